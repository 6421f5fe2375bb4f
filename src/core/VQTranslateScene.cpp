#include "VQTranslateScene.h"

#include "VQUserInfoData.h"

VQTranslateScene::VQTranslateScene()
    : VQNetBaseScene("VQTranslateScene", VQApiConfig::Endpoint::Api, kPath, Method::Get, ResultType::DataMember)
{
    m_appKey = VQUserInfoData::sharedInstance().appKey();
}

VQNetBaseScene::ParameterList VQTranslateScene::sceneParameters() const
{
    return {
        {QStringLiteral("appkey"), m_appKey},
        {QStringLiteral("from"), m_fromLanguage},
        {QStringLiteral("to"), m_toLanguage},
        {QStringLiteral("text"), m_text},
    };
}
