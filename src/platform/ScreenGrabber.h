#pragma once

#include <QPixmap>

class QScreen;

// Pictures of what the screens show, taken by the display server.
class ScreenGrabber {
public:
    virtual ~ScreenGrabber();

    // The whole screen as it is now, in device pixels: the pixmap's size is the screen's size
    // times its device pixel ratio, which the pixmap carries. A null pixmap when the screen
    // cannot be read (no display, a server that refuses).
    virtual QPixmap grabScreen(QScreen* screen) = 0;

    // The implementation in use: the installed one, else the Qt one, created on first use.
    // Main thread only.
    static ScreenGrabber& instance();
    // Installs an implementation (tests install a fake); nullptr goes back to the default.
    static void setInstance(ScreenGrabber* grabber);
};
