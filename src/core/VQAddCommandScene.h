#pragma once

#include "VQNetBaseScene.h"

#include <QString>

// Creates a custom command: GET "/saveDeviceCmd" on the maker's API with the common device
// parameters and the caller's parameters (setMyParameters: "customName", "customCmd",
// "cmdType"); the result is the reply's data (the device's whole custom list).
class VQAddCommandScene : public VQNetBaseScene {
public:
    static constexpr char kPath[] = "/saveDeviceCmd";

    VQAddCommandScene();
};
