#include "VQOTAUpdateScene.h"

VQOTAUpdateScene::VQOTAUpdateScene()
    : VQNetBaseScene("VQOTAUpdateScene", VQApiConfig::Endpoint::Api, kPath, Method::Get, ResultType::DataMember)
{
    useCommonDeviceParameters();
}

QString VQOTAUpdateScene::normalizedVersion(const QString& version)
{
    return version.toUpper().remove(QLatin1Char('V'));
}

VQNetBaseScene::ParameterList VQOTAUpdateScene::sceneParameters() const
{
    return {
        {QStringLiteral("type"), m_type},
        {QStringLiteral("version"), normalizedVersion(m_firmwareVersion)},
        {QStringLiteral("productCode"), m_productCode},
    };
}
