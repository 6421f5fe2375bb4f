#include "VQGetAppKeyScene.h"

#include "VQUserInfoData.h"

VQGetAppKeyScene::VQGetAppKeyScene()
    : VQNetBaseScene("VQGetAppKeyScene", VQApiConfig::Endpoint::Api, kPath, Method::Get, ResultType::DataMember)
{
    useCommonDeviceParameters();
    m_source = QString::number(VQUserInfoData::sharedInstance().mouseInfoItem().lastKnownMouseSource());
}

VQNetBaseScene::ParameterList VQGetAppKeyScene::sceneParameters() const
{
    return {
        {QStringLiteral("source"), m_source},
    };
}
