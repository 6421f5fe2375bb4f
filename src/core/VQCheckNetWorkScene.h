#pragma once

#include "VQNetBaseScene.h"

#include <QString>

// The internet probe: GET of a fixed public web page, no parameters. Any 2xx answer is a
// success; the page itself is not read.
class VQCheckNetWorkScene : public VQNetBaseScene {
public:
    VQCheckNetWorkScene();
};
