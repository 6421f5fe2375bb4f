#pragma once

#include "ScreenGrabber.h"

// Reads the screen's area of the root window through Qt's platform integration (on X11 a
// GetImage of the root window, so every window shows as the server composes it).
//
// grabBelow reads the root window's children below the given window over Qt's XCB connection:
// their stacking order, state, geometry and shape, and the part of each window's own contents
// in the area (GetImage of the window, which a compositing manager keeps whole). The requests of
// each step are sent together, so a read costs four round trips whatever the number of windows;
// a window that goes meanwhile is left out.
class QtScreenGrabber : public ScreenGrabber {
public:
    QPixmap grabScreen(QScreen* screen) override;
    QImage grabBelow(QScreen* screen, const QRect& area, QWidget* window) override;

private:
    // The screen's part of the root window read by the server straight into a segment of shared
    // memory (MIT-SHM), which the picture keeps until its last copy goes; a null image without
    // the extension (a remote display). Read through the connection's socket, a full-screen
    // picture would be received into a block of the heap of whichever thread reads the socket,
    // which the allocator cannot give back.
    static QImage grabThroughSharedMemory(QScreen* screen);
};
