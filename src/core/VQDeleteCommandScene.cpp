#include "VQDeleteCommandScene.h"

VQDeleteCommandScene::VQDeleteCommandScene()
    : VQNetBaseScene("VQDeleteCommandScene", VQApiConfig::Endpoint::Api, kPath, Method::Get, ResultType::DataMember)
{
    useCommonDeviceParameters();
}
