#pragma once

// Whether a compositing manager runs, so that translucent (ARGB) windows blend with what lies
// below them; without one their clear pixels show black.
class CompositingManager {
public:
    virtual ~CompositingManager();

    // True when a client owns the compositing selection (_NET_WM_CM_S<n>) of the screen the
    // program shows on. Asked again at every show: a compositor may start or stop at any time.
    virtual bool isCompositing() = 0;

    // The implementation in use: the installed one, else the X11 one, created on first use.
    // Main thread only.
    static CompositingManager& instance();
    // Installs an implementation (tests install a fake); nullptr goes back to the default.
    static void setInstance(CompositingManager* manager);
};
