// From the Alt+S press (XTest) to the dimmed picture on the screen, read back through XGetImage
// on a second X connection. Run under an X server with one screen (Xvfb 1920x1080):
// vq_snip_bench [rounds] [--apart ms]. Prints each figure in ms and the median; Escape ends
// each capture, and the next begins 100 ms after the screen is back (--apart: that many ms, so
// that captures longer apart than the program keeps their memory find it given back).
#include "VQShortcutBinder.h"
#include "VQSnip.h"
#include "VQSnipFullWindow.h"
#include "VQTranslateSetup.h"
#include "VQUserInfoData.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <cstdio>
#include <vector>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

void spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void key(Display* display, KeySym keysym, bool down)
{
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, keysym), down ? True : False, CurrentTime);
    XSync(display, False);
}

QRgb pixel(Display* display, QPoint p)
{
    XImage* image = XGetImage(display, DefaultRootWindow(display), p.x(), p.y(), 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    const unsigned long value = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return qRgb(int(value >> 16 & 0xff), int(value >> 8 & 0xff), int(value & 0xff));
}

bool isDimmed(QRgb seen, QRgb original)
{
    const auto near = [](int s, int o) { return std::abs(s - o * (255 - VQSnipFullWindow::kDimAlpha) / 255) <= 3; };
    return near(qRed(seen), qRed(original)) && near(qGreen(seen), qGreen(original)) && near(qBlue(seen), qBlue(original));
}

// Polls the screen, letting the application's events run in between (this process draws the
// overlay it is waiting for).
bool waitForPixel(Display* display, QPoint p, const std::function<bool(QRgb)>& wanted, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!wanted(pixel(display, p))) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    const qsizetype apartAt = args.indexOf(QStringLiteral("--apart"));
    const int apartMs = apartAt > 0 && apartAt + 1 < args.size() ? std::max(0, args.at(apartAt + 1).toInt()) : 100;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }

    // A coloured backdrop: black would look the same dimmed.
    const QRgb colour = qRgb(200, 150, 100);
    QWidget backdrop;
    backdrop.setWindowFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    backdrop.setStyleSheet(QStringLiteral("background: #c89664"));
    backdrop.setGeometry(600, 400, 300, 200);
    backdrop.show();
    const QPoint probe(750, 500);
    if (!waitForPixel(display, probe, [colour](QRgb seen) { return seen == colour; }, 5000)) {
        std::fprintf(stderr, "the backdrop did not show\n");
        return 2;
    }

    VQUserInfoData::sharedInstance().setScreenshotsTranslateSwitch(true);
    VQUserInfoData::sharedInstance().setIsConnect(true);
    VQTranslateSetup::bindScreenshotShortcut();
    spin(100);

    std::vector<double> figures;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        key(display, XK_Alt_L, true);
        key(display, XK_s, true);
        if (!waitForPixel(display, probe, [colour](QRgb seen) { return isDimmed(seen, colour); }, 3000)) {
            std::printf("round %d: not dimmed\n", round);
        } else {
            figures.push_back(clock.nsecsElapsed() / 1e6);
            std::printf("round %d: %.2f ms\n", round, figures.back());
        }
        key(display, XK_s, false);
        key(display, XK_Alt_L, false);
        key(display, XK_Escape, true);
        key(display, XK_Escape, false);
        if (!waitForPixel(display, probe, [colour](QRgb seen) { return seen == colour; }, 3000)) {
            std::printf("round %d: Escape did not close the capture\n", round);
            break;
        }
        spin(apartMs);
    }
    VQSnip::sharedInstance().dismissFullWindow();
    XCloseDisplay(display);
    if (figures.empty())
        return 1;
    std::sort(figures.begin(), figures.end());
    std::printf("Alt+S to dimmed screen: median %.2f ms, min %.2f ms, max %.2f ms (%zu of %d rounds)\n",
                figures[figures.size() / 2], figures.front(), figures.back(), figures.size(), rounds);
    return 0;
}
