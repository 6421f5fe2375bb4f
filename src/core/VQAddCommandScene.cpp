#include "VQAddCommandScene.h"

VQAddCommandScene::VQAddCommandScene()
    : VQNetBaseScene("VQAddCommandScene", VQApiConfig::Endpoint::Api, kPath, Method::Get, ResultType::DataMember)
{
    useCommonDeviceParameters();
}
