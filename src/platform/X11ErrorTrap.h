#pragma once

#include <functional>
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

    // The loss of an X connection (the X server went away): every connection opened by
    // openDisplay() gets an I/O error handler that, instead of Xlib's exit() (whose static
    // destructors would run while audio and other threads are live), logs the loss, runs the
    // handler set here once, flushes the logs and ends the process with _exit(1). Qt's own
    // connection ends the process with exit(1): an atexit hook, registered here, takes that to
    // the same end when Qt's connection has an error or a loss has been met; other exits go on
    // as they would. The handler runs on the main thread; a loss met on another thread is handed
    // over to it, and only when the main thread has not taken it within 3 s does the handler run
    // on that thread. The event loop never runs again. The handler must touch only objects that
    // are never destroyed, or were made before the hook was registered (the first call): after
    // Qt's exit() the statics made later are gone.
    static void setConnectionLostHandler(std::function<void()> handler);
    // The handler set, so a later owner can add to it.
    static std::function<void()> connectionLostHandler();
    // What that I/O error handler and that hook do.
    [[noreturn]] static void endAfterConnectionLoss();
    // True once a loss has been met: the process is ending.
    static bool connectionLost();
    // Tests only: how long a thread that met the loss waits for the main thread to take the handler.
    static void setHandOverWaitForTests(int ms);

private:
    std::unique_lock<std::mutex> m_lock;
    _XDisplay* m_display;
};

// The X connection of an object that opens it at its first need and keeps it: ensure() opens it
// through X11ErrorTrap::openDisplay() and runs the owner's set-up on it (false closes it again).
// Once it could not be opened or set up it is never tried again, so a session without X is asked
// once. Used where a connection is wanted (it converts to the display, nullptr while none); closed
// when the object goes, after its owner's destructor has tidied up through it.
class X11LazyDisplay {
public:
    X11LazyDisplay() = default;
    ~X11LazyDisplay();

    X11LazyDisplay(const X11LazyDisplay&) = delete;
    X11LazyDisplay& operator=(const X11LazyDisplay&) = delete;

    bool ensure(const std::function<bool(_XDisplay*)>& setUp = {});
    operator _XDisplay*() const { return m_display; }

private:
    _XDisplay* m_display = nullptr;
    bool m_unavailable = false;
};
