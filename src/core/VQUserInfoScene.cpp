#include "VQUserInfoScene.h"

VQUserInfoScene::VQUserInfoScene()
    : VQNetBaseScene("VQUserInfoScene", VQApiConfig::Endpoint::AccountApi, kPath, Method::Get, ResultType::DataMember)
{
    // Account requests carry their parameters in the query, also when posted, and hold
    // credentials.
    setSensitive(true);
}

VQNetBaseScene::ParameterList VQUserInfoScene::sceneParameters() const
{
    return {
        {QStringLiteral("token"), m_token},
    };
}
