#pragma once

#include "DesktopOpener.h"

// Opens through QDesktopServices (xdg-open or the desktop portal on Linux). Handlers that were
// set with QDesktopServices::setUrlHandler for a scheme take its addresses.
class QtDesktopOpener : public DesktopOpener {
public:
    bool openUrl(const QUrl& url) override;
};
