#pragma once

#include "ScreenGrabber.h"

// Reads the screen's area of the root window through Qt's platform integration (on X11 a
// GetImage of the root window, so every window shows as the server composes it).
class QtScreenGrabber : public ScreenGrabber {
public:
    QPixmap grabScreen(QScreen* screen) override;
};
