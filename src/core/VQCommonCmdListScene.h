#pragma once

#include "VQNetBaseScene.h"

#include <QString>

// The common voice-command list: POST "/commonCmd" on the maker's API with the common
// device parameters in a form body; the result is the whole reply (its "data" holds the list).
class VQCommonCmdListScene : public VQNetBaseScene {
public:
    static constexpr char kPath[] = "/commonCmd";

    VQCommonCmdListScene();
};
