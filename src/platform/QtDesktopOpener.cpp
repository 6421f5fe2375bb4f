#include "QtDesktopOpener.h"

#include "MMLog.h"
#include "MMLoggedAddress.h"

#include <QDesktopServices>

bool QtDesktopOpener::openUrl(const QUrl& url)
{
    if (!url.isValid()) {
        VQLogWarn(QStringLiteral("not opened, invalid address: %1").arg(url.errorString()));
        return false;
    }
    const bool opened = QDesktopServices::openUrl(url);
    if (!opened)
        VQLogWarn(QStringLiteral("the desktop could not open %1").arg(mm::loggedAddress(url)));
    return opened;
}
