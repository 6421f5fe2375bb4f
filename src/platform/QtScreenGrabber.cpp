#include "QtScreenGrabber.h"

#include "MMLog.h"

#include <QScreen>

QPixmap QtScreenGrabber::grabScreen(QScreen* screen)
{
    if (!screen)
        return {};
    // Window 0 is the root window; the area defaults to this screen's part of it.
    QPixmap picture = screen->grabWindow(0);
    if (picture.isNull()) {
        VQLogWarn(QStringLiteral("the screen %1 could not be read").arg(screen->name()));
        return {};
    }
    const qreal ratio = screen->devicePixelRatio();
    if (!qFuzzyCompare(picture.devicePixelRatio(), ratio))
        picture.setDevicePixelRatio(ratio);
    return picture;
}
