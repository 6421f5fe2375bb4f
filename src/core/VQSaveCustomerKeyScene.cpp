#include "VQSaveCustomerKeyScene.h"

VQSaveCustomerKeyScene::VQSaveCustomerKeyScene()
    : VQNetBaseScene("VQSaveCustomerKeyScene", VQApiConfig::Endpoint::Api, kPath, Method::Post, ResultType::DataMember)
{
    useCommonDeviceParameters();
}

VQNetBaseScene::ParameterList VQSaveCustomerKeyScene::sceneParameters() const
{
    return {
        {QStringLiteral("cmdId"), m_cmdId},
        {QStringLiteral("keyId"), m_keyId},
        {QStringLiteral("opId"), m_opId},
        {QStringLiteral("sn"), m_sn},
        {QStringLiteral("userModelId"), m_userModelId},
        {QStringLiteral("attr0"), m_attr0},
        {QStringLiteral("attr1"), m_attr1},
        {QStringLiteral("attr2"), m_attr2},
    };
}
