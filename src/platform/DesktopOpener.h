#pragma once

#include <QUrl>

// Opens addresses and files with the user's default applications (browser, file manager, ...).
class DesktopOpener {
public:
    virtual ~DesktopOpener();

    // Hands the address to the desktop; true when it was taken. Does not wait for the application.
    virtual bool openUrl(const QUrl& url) = 0;

    // The implementation in use: the installed one, else the one of QDesktopServices, created on
    // first use. Main thread only.
    static DesktopOpener& instance();
    // Installs an implementation (tests install a fake); nullptr goes back to the default.
    static void setInstance(DesktopOpener* opener);
};
