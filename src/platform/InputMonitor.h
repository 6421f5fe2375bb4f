#pragma once

#include "MMEvent.h"

#include <functional>

// Watches the mouse and keyboard of the whole desktop, our own windows included, without taking
// the events away from anyone.
class InputMonitor {
public:
    using Handler = std::function<void(const MMEvent&)>;

    virtual ~InputMonitor();

    // Calls the handler on the main thread with every event whose type is in the mask. Returns an
    // id > 0, or 0 (logged) when the desktop cannot be watched. Returns at once: the watching
    // may begin a moment later, and never waits for the display server.
    virtual int addMonitor(MMEventMask mask, Handler handler) = 0;
    // Stops the handler; no call reaches it afterwards. Unknown ids are ignored. Safe to call
    // from inside a handler.
    virtual void removeMonitor(int id) = 0;

    // The implementation in use: the installed one, else the X11 one, created on first use.
    // Main thread only.
    static InputMonitor& instance();
    // Installs an implementation (tests install a fake); nullptr goes back to the default.
    static void setInstance(InputMonitor* monitor);
};
