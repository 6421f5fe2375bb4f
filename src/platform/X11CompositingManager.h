#pragma once

#include "CompositingManager.h"

// Asks the X server, through the application's own connection, whether a client owns
// _NET_WM_CM_S<n> of the default screen. Without an X display (offscreen) it answers false.
class X11CompositingManager : public CompositingManager {
public:
    bool isCompositing() override;
};
