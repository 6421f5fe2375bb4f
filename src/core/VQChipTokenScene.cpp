#include "VQChipTokenScene.h"

VQChipTokenScene::VQChipTokenScene()
    : VQNetBaseScene("VQChipTokenScene", VQApiConfig::Endpoint::Api, kPath, Method::Get, ResultType::DataMember)
{
    useCommonDeviceParameters();
}

VQNetBaseScene::ParameterList VQChipTokenScene::sceneParameters() const
{
    return {
        {QStringLiteral("chipInfo"), m_chipInfo},
    };
}
