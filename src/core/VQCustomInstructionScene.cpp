#include "VQCustomInstructionScene.h"

#include "VQUserInfoData.h"

VQCustomInstructionScene::VQCustomInstructionScene()
    : VQNetBaseScene("VQCustomInstructionScene", VQApiConfig::Endpoint::Api, kPath, Method::Get, ResultType::WholeReply)
{
    const QString sn = VQUserInfoData::sharedInstance().mouseInfoItem().sn();
    m_sn = sn.isNull() ? QStringLiteral("") : sn;
}

VQNetBaseScene::ParameterList VQCustomInstructionScene::sceneParameters() const
{
    return {
        {QStringLiteral("sn"), m_sn},
    };
}
