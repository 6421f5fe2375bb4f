#include "VQCheckNetWorkScene.h"

VQCheckNetWorkScene::VQCheckNetWorkScene()
    : VQNetBaseScene("VQCheckNetWorkScene", VQApiConfig::Endpoint::ProbePage, "", Method::Get, ResultType::HttpStatus)
{
}
