#pragma once

#include "ScreenGrabber.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>

#include <functional>

// Paints every screen with a known pattern instead of reading it: the pixel at device pixel
// (x, y) of the screen at index i of QGuiApplication::screens() is patternAt(i, x, y). Counts
// the grabs. With failing true every grab gives a null pixmap. The windows below one of ours
// (grabBelow) show liveAt(i, x, y), a clear pixel where none lies; without liveAt they cannot be
// read. Installs itself for its lifetime.
class FakeScreenGrabber : public ScreenGrabber {
public:
    FakeScreenGrabber() { ScreenGrabber::setInstance(this); }
    ~FakeScreenGrabber() override { ScreenGrabber::setInstance(nullptr); }

    static QRgb patternAt(int screenIndex, int x, int y)
    {
        return qRgb((x * 7 + screenIndex * 91) & 0xff, (y * 5) & 0xff, ((x ^ y) + screenIndex * 40) & 0xff);
    }

    QPixmap grabScreen(QScreen* screen) override
    {
        ++grabs;
        if (failing || !screen)
            return {};
        const int index = int(QGuiApplication::screens().indexOf(screen));
        const qreal ratio = screen->devicePixelRatio();
        const QSize size = (QSizeF(screen->size()) * ratio).toSize();
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < size.width(); ++x)
                line[x] = patternAt(index, x, y);
        }
        QPixmap picture = QPixmap::fromImage(image);
        picture.setDevicePixelRatio(ratio);
        return picture;
    }

    QImage grabBelow(QScreen* screen, const QRect& area, QWidget* window) override
    {
        ++belowGrabs;
        lastBelowWindow = window;
        if (!liveAt || !screen)
            return {};
        const int index = int(QGuiApplication::screens().indexOf(screen));
        const qreal ratio = screen->devicePixelRatio();
        const QPoint origin = ((area.topLeft() - screen->geometry().topLeft()) * ratio);
        QImage image((QSizeF(area.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, liveAt(index, origin.x() + x, origin.y() + y));
        }
        image.setDevicePixelRatio(ratio);
        return image;
    }

    int grabs = 0;
    bool failing = false;
    std::function<QRgb(int, int, int)> liveAt;
    int belowGrabs = 0;
    QWidget* lastBelowWindow = nullptr;
};
