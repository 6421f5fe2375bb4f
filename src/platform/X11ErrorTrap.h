#pragma once

#include <mutex>

struct _XDisplay;

// Catches the errors the X server reports for the requests of one connection, so that a refused
// request (a key another client has grabbed, a window that went away) becomes a result code
// instead of Xlib's default reaction, which ends the process.
//
// openDisplay() and every trap install a process-wide error handler that never ends the process: it
// logs errors of connections that nobody traps and records the first error of a trapped one.
// One trap exists at a time across threads; the trapped connection must be used by the thread
// that holds the trap.
class X11ErrorTrap {
public:
    explicit X11ErrorTrap(_XDisplay* display);
    ~X11ErrorTrap();

    X11ErrorTrap(const X11ErrorTrap&) = delete;
    X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

    // Waits until the server has handled every request sent so far and returns the error code of
    // the first one that failed since the trap was set or last synced (0 when none); resets it.
    int sync();

    // Opens a connection to the display named by $DISPLAY; nullptr (logged) when there is none.
    static _XDisplay* openDisplay();
    // Installs the process-wide handler described above (again, should another one have
    // replaced it).
    static void installQuietHandler();

private:
    std::unique_lock<std::mutex> m_lock;
    _XDisplay* m_display;
};
