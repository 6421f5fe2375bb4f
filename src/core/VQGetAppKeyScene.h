#pragma once

#include "VQNetBaseScene.h"

// The application keys of the device's channel: GET "/getAppKey" on the maker's API with no
// parameters (the server tells the channel by the caller); the result is the reply's data, whose
// "appkey" is the key.
class VQGetAppKeyScene : public VQNetBaseScene {
public:
    static constexpr char kPath[] = "/getAppKey";

    VQGetAppKeyScene();
};
