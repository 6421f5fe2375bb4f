#include "VQResetCustomerKeyScene.h"

VQResetCustomerKeyScene::VQResetCustomerKeyScene()
    : VQNetBaseScene("VQResetCustomerKeyScene", VQApiConfig::Endpoint::Api, kPath, Method::Post, ResultType::DataMember)
{
    useCommonDeviceParameters();
}

VQNetBaseScene::ParameterList VQResetCustomerKeyScene::sceneParameters() const
{
    return {
        {QStringLiteral("sn"), m_sn},
        {QStringLiteral("userModelId"), m_userModelId},
    };
}
