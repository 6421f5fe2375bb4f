// From the release that ends a drag selection in another application to the search icon on the
// screen. Run under an X server (Xvfb): vq_selection_bench [rounds]. Prints each figure in ms and
// the median.
#include "MMLog.h"
#include "VQSearchIconWindow.h"
#include "VQSelectionMonitor.h"
#include "VQUserInfoData.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

void spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void motion(Display* display, QPoint p)
{
    XTestFakeMotionEvent(display, -1, p.x(), p.y(), CurrentTime);
    XSync(display, False);
}

void button(Display* display, bool down)
{
    XTestFakeButtonEvent(display, 1, down ? True : False, CurrentTime);
    XSync(display, False);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 30;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    QProcess client;
    client.start(QStringLiteral(VQ_SELECTION_CLIENT), {QStringLiteral("select these words here"), QStringLiteral("300"), QStringLiteral("300")});
    QString output;
    QElapsedTimer wait;
    wait.start();
    while (!output.contains(QStringLiteral("ready ")) && wait.elapsed() < 10000) {
        spin(20);
        output += QString::fromUtf8(client.readAllStandardOutput());
    }
    const QStringList ready = output.section(QStringLiteral("ready "), 1).section(QLatin1Char('\n'), 0, 0).split(QLatin1Char(' '));
    if (ready.size() != 4) {
        std::fprintf(stderr, "the selection client did not start\n");
        return 2;
    }
    const QRect edit(ready[0].toInt(), ready[1].toInt(), ready[2].toInt(), ready[3].toInt());

    VQUserInfoData::sharedInstance().setWordInputSwitch(true);
    VQUserInfoData::sharedInstance().setIsConnect(true);
    VQSelectionMonitor& monitor = VQSelectionMonitor::sharedInstance();
    if (!monitor.start())
        return 2;
    VQSearchIconWindow* icon = monitor.searchIcon();
    spin(300);

    std::vector<double> figures;
    for (int round = 0; round < rounds; ++round) {
        // A click in the empty corner hides the icon and ends any double click.
        motion(display, QPoint(20, 20));
        button(display, true);
        button(display, false);
        spin(600);
        const QPoint from(edit.left() + 3, edit.center().y());
        const QPoint to(edit.left() + 120 + round % 5 * 20, edit.center().y());
        motion(display, from);
        spin(20);
        button(display, true);
        for (int step = 1; step <= 5; ++step) {
            spin(10);
            motion(display, from + (to - from) * step / 5);
        }
        spin(20);
        QElapsedTimer clock;
        button(display, false);
        clock.start();
        while (!(icon->isVisible() && icon->windowHandle() && icon->windowHandle()->isExposed()) && clock.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        if (clock.elapsed() >= 2000) {
            std::printf("round %d: no icon\n", round);
            continue;
        }
        figures.push_back(clock.nsecsElapsed() / 1e6);
        std::printf("round %d: %.2f ms\n", round, figures.back());
    }
    client.closeWriteChannel();
    client.waitForFinished(3000);
    XCloseDisplay(display);
    if (figures.empty())
        return 1;
    std::sort(figures.begin(), figures.end());
    std::printf("release to icon shown: median %.2f ms, min %.2f ms, max %.2f ms (%zu of %d rounds)\n",
                figures[figures.size() / 2], figures.front(), figures.back(), figures.size(), rounds);
    return 0;
}
