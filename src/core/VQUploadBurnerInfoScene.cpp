#include "VQUploadBurnerInfoScene.h"

VQUploadBurnerInfoScene::VQUploadBurnerInfoScene()
    : VQNetBaseScene("VQUploadBurnerInfoScene", VQApiConfig::Endpoint::Api, kPath, Method::Get, ResultType::DataMember)
{
}

VQNetBaseScene::ParameterList VQUploadBurnerInfoScene::sceneParameters() const
{
    return {
        {QStringLiteral("channel"), m_channel},
        {QStringLiteral("firmwareVersion"), m_firmwareVersion},
        {QStringLiteral("softVersion"), m_softVersion},
    };
}
