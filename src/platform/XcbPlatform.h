#pragma once

#include <vector>

// The program speaks X11 (synthesised keys, key grabs, input monitors, the tray selection): in a
// Wayland session Qt would make it a native Wayland client, which none of that reaches. These are
// the arguments of main with "-platform xcb" added, so the application object runs on XWayland;
// not when QT_QPA_PLATFORM is set (the tests' offscreen platform, or the user's own choice) or the
// command line names a platform itself. Hand argc() and argv() to the application object and keep
// this alive as long as it lives.
class XcbPlatformArguments {
public:
    XcbPlatformArguments(int argc, char** argv);

    int& argc() { return m_argc; }
    char** argv() { return m_argv.data(); }

private:
    std::vector<char*> m_argv;
    int m_argc = 0;
};
