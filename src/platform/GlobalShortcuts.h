#pragma once

#include "KeyShortcut.h"

#include <functional>

// Key combinations that reach this program whichever application has the focus.
class GlobalShortcuts {
public:
    enum class Status {
        Ok,
        InUse,       // another program holds the combination
        InvalidKey,  // no key, or a key the keyboard map does not have
        Unavailable, // no display, or the server refused for another reason
    };

    struct Registration {
        int id = 0; // > 0 when registered
        Status status = Status::Unavailable;
    };

    using Action = std::function<void()>;

    virtual ~GlobalShortcuts();

    // Grabs the combination and runs the action on the main thread at each press (a key held
    // down runs it once). Several registrations of one combination all run.
    virtual Registration registerShortcut(const KeyShortcut& shortcut, Action action) = 0;
    // Removes the registration; the combination is released when none is left. Unknown ids are
    // ignored. Safe to call from inside an action.
    virtual void unregisterShortcut(int id) = 0;

    // While a key of a registered combination is held down, the X server sends every key to
    // this program (the grab becomes active): keys synthesised or typed by a device in that time
    // never reach the focused window. Runs the action on the main thread once no such key is
    // held: at once when none is, else after the last one's release. Actions run in order.
    virtual void whenKeysReleased(Action action);

    static QString statusText(Status status);

    // The implementation in use: the installed one, else the X11 one, created on first use.
    // Main thread only.
    static GlobalShortcuts& instance();
    // Installs an implementation (tests install a fake); nullptr goes back to the default.
    static void setInstance(GlobalShortcuts* shortcuts);
};
