#include "VQLoginScene.h"

#include "VQUserInfoData.h"

VQLoginScene::VQLoginScene()
    : VQNetBaseScene("VQLoginScene", VQApiConfig::Endpoint::AccountApi, kPath, Method::Post, ResultType::DataMember)
{
    // Account requests carry their parameters in the query, also when posted, and hold
    // credentials.
    setParameterPlacement(ParameterPlacement::Query);
    setSensitive(true);
    m_serialNo = VQUserInfoData::sharedInstance().mouseInfoItem().sn();
}

VQNetBaseScene::ParameterList VQLoginScene::sceneParameters() const
{
    return {
        {QStringLiteral("account"), m_account},
        {QStringLiteral("password"), m_password},
        {QStringLiteral("serialNo"), m_serialNo},
    };
}
