#pragma once

// Hides the pointer over the whole desktop (XFixes) while an effect takes its place. One hidden
// state, not a count of calls: hide() twice and show() once shows the pointer again.
class CursorHider {
public:
    virtual ~CursorHider();

    virtual void hide() = 0;
    virtual void show() = 0;
    virtual bool isHidden() const = 0;

    // The implementation in use: the installed one, else the X11 one, created on first use.
    // Main thread only.
    static CursorHider& instance();
    // Installs an implementation (tests install a fake); nullptr goes back to the default.
    static void setInstance(CursorHider* hider);
};
