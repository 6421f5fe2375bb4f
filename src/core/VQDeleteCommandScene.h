#pragma once

#include "VQNetBaseScene.h"

#include <QString>

// Deletes a custom command: GET "/deleteDeviceCmd" on the maker's API with the common device
// parameters and the caller's parameters (setMyParameters: "customCmd"); the result is the
// reply's data.
class VQDeleteCommandScene : public VQNetBaseScene {
public:
    static constexpr char kPath[] = "/deleteDeviceCmd";

    VQDeleteCommandScene();
};
