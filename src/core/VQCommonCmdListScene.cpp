#include "VQCommonCmdListScene.h"

VQCommonCmdListScene::VQCommonCmdListScene()
    : VQNetBaseScene("VQCommonCmdListScene", VQApiConfig::Endpoint::Api, kPath, Method::Post, ResultType::WholeReply)
{
    useCommonDeviceParameters();
}
