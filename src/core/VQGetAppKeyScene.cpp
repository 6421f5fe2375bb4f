#include "VQGetAppKeyScene.h"

VQGetAppKeyScene::VQGetAppKeyScene()
    : VQNetBaseScene("VQGetAppKeyScene", VQApiConfig::Endpoint::Api, kPath, Method::Get, ResultType::DataMember)
{
}
