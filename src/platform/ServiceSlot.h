#pragma once

#include <QCoreApplication>

#include <memory>

// Holds the implementation of one platform interface for the process.
//
// The application uses the real Linux implementation, created on first use; a test installs a
// fake with install() and removes it with install(nullptr). Each interface defines
// ServiceSlot<Interface>::makeDefault() in its own source file. The default object is destroyed
// with the application object, while the event loop machinery it may use still exists, and
// never by static destructors.
// Main thread only.
template <class Interface>
class ServiceSlot {
public:
    static Interface& get()
    {
        State& s = state();
        if (s.installed)
            return *s.installed;
        if (!s.fallback) {
            s.fallback = makeDefault();
            if (QCoreApplication::instance() && !s.cleanupRegistered) {
                qAddPostRoutine(&ServiceSlot::dropDefault);
                s.cleanupRegistered = true;
            }
        }
        return *s.fallback;
    }

    static void install(Interface* implementation) { state().installed = implementation; }

private:
    struct State {
        Interface* installed = nullptr;
        std::unique_ptr<Interface> fallback;
        bool cleanupRegistered = false;
    };

    // Never destroyed by static destructors: an exit() while the application lives (the X
    // server went away) must not delete audio objects in use; the post routine drops it.
    static State& state()
    {
        static auto* s = new State;
        return *s;
    }

    static void dropDefault()
    {
        state().fallback.reset();
        state().cleanupRegistered = false;
    }

    static std::unique_ptr<Interface> makeDefault();
};
