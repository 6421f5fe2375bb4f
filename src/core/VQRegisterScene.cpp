#include "VQRegisterScene.h"

VQRegisterScene::VQRegisterScene()
    : VQNetBaseScene("VQRegisterScene", VQApiConfig::Endpoint::AccountApi, kPath, Method::Post, ResultType::DataMember)
{
    // Account requests carry their parameters in the query, also when posted, and hold
    // credentials.
    setParameterPlacement(ParameterPlacement::Query);
    setSensitive(true);
}

VQNetBaseScene::ParameterList VQRegisterScene::sceneParameters() const
{
    return {
        {QStringLiteral("account"), m_account},
        {QStringLiteral("code"), m_code},
        {QStringLiteral("password"), m_password},
        {QStringLiteral("type"), m_type},
    };
}
