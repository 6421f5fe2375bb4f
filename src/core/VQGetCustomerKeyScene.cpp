#include "VQGetCustomerKeyScene.h"

#include "VQUserInfoData.h"

VQGetCustomerKeyScene::VQGetCustomerKeyScene()
    : VQNetBaseScene("VQGetCustomerKeyScene", VQApiConfig::Endpoint::Api, kPath, Method::Get, ResultType::DataMember)
{
    useCommonDeviceParameters();
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    m_productCode = info.productCode();
    m_sn = info.mouseInfoItem().sn();
}

VQNetBaseScene::ParameterList VQGetCustomerKeyScene::sceneParameters() const
{
    return {
        {QStringLiteral("productCode"), m_productCode},
        {QStringLiteral("sn"), m_sn},
    };
}
