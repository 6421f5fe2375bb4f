#pragma once

#include "InputMonitor.h"
#include "MMEvent.h"

#include <functional>
#include <memory>

// A monitor of mouse and key events, both inside the program's windows and everywhere else on
// the desktop. Events are only watched, never consumed. Created stopped; the handler runs on the
// main thread while it is started. Main thread only.
class MMEventMonitor {
public:
    using Handler = std::function<void(const MMEvent&)>;

    // A monitor of both kinds for the events of the mask, not yet started.
    static std::unique_ptr<MMEventMonitor> bothMonitorWithEvent(MMEventMask mask, Handler handler);

    MMEventMonitor(MMEventMask mask, Handler handler);
    ~MMEventMonitor();

    MMEventMonitor(const MMEventMonitor&) = delete;
    MMEventMonitor& operator=(const MMEventMonitor&) = delete;

    // Removes what the monitor had installed, then installs it again; returns at once (the events
    // reach the handler from a moment later). False (logged by the input monitor) when the
    // desktop cannot be watched.
    bool start();
    // Removes it; the handler is not called afterwards. Calling it again does nothing.
    void stop();
    bool isStarted() const { return m_id != 0; }

    MMEventMask mask() const { return m_mask; }

private:
    MMEventMask m_mask;
    Handler m_handler;
    InputMonitor* m_monitor = nullptr;
    int m_id = 0;
};
