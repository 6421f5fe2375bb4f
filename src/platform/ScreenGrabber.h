#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>

class QScreen;
class QWidget;

// Pictures of what the screens show, taken by the display server.
class ScreenGrabber {
public:
    virtual ~ScreenGrabber();

    // The whole screen as it is now, in device pixels: the pixmap's size is the screen's size
    // times its device pixel ratio, which the pixmap carries. A null pixmap when the screen
    // cannot be read (no display, a server that refuses).
    virtual QPixmap grabScreen(QScreen* screen) = 0;

    // The area of the screen (Qt's global coordinates) as the windows stacked below the given
    // window show it now, each read from its own contents: under a compositing manager every
    // window keeps its whole picture, so what lies under one of ours can be read while it shows,
    // and it never sees itself or what is above it. Each window is laid in its stacking order,
    // cut to its shape, translucent ones blended; where no window lies the picture is clear.
    // Device pixels, carrying the screen's ratio. A null image when the windows cannot be read
    // (no X11, no compositing manager keeps them, an implementation that cannot).
    virtual QImage grabBelow(QScreen* screen, const QRect& area, QWidget* window);

    // The implementation in use: the installed one, else the Qt one, created on first use.
    // Main thread only.
    static ScreenGrabber& instance();
    // Installs an implementation (tests install a fake); nullptr goes back to the default.
    static void setInstance(ScreenGrabber* grabber);
};
