#include "VQGetVerifyCodeScene.h"

VQGetVerifyCodeScene::VQGetVerifyCodeScene()
    : VQNetBaseScene("VQGetVerifyCodeScene", VQApiConfig::Endpoint::AccountApi, kPath, Method::Post, ResultType::DataMember)
{
    // Account requests carry their parameters in the query, also when posted, and hold
    // credentials.
    setParameterPlacement(ParameterPlacement::Query);
    setSensitive(true);
}

VQNetBaseScene::ParameterList VQGetVerifyCodeScene::sceneParameters() const
{
    return {
        {QStringLiteral("account"), m_account},
        {QStringLiteral("accountType"), m_accountType},
        {QStringLiteral("codeType"), m_codeType},
        {QStringLiteral("country"), m_country},
    };
}
