#pragma once

#include "ScreenGrabber.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>

// Paints every screen with a known pattern instead of reading it: the pixel at device pixel
// (x, y) of the screen at index i of QGuiApplication::screens() is patternAt(i, x, y). Counts
// the grabs. With failing true every grab gives a null pixmap. Installs itself for its lifetime.
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

    int grabs = 0;
    bool failing = false;
};
