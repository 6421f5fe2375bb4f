#pragma once

#include "DesktopOpener.h"

#include <QList>
#include <QUrl>

// Records the addresses it is asked to open. Installs itself for its lifetime.
class FakeDesktopOpener : public DesktopOpener {
public:
    FakeDesktopOpener() { DesktopOpener::setInstance(this); }
    ~FakeDesktopOpener() override { DesktopOpener::setInstance(nullptr); }

    bool openUrl(const QUrl& url) override
    {
        opened.append(url);
        return result;
    }

    QList<QUrl> opened;
    bool result = true; // what openUrl answers
};
