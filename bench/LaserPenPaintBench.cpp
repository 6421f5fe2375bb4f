// The presenter effects of the program following the real pointer, moved through XTest by a
// second process (the same program) at 60 Hz: the magnifier's loupe, the light spot and the
// program's pen overlay (VQLaserPenManager::startDraw, one canvas per screen) holding finished
// strokes and one live stroke for the whole run. Run under an X server with one screen (Xvfb
// 1920x1080):
//   vq_laser_pen_bench loupe|spot|pen [--compositor] [--strokes N] [--talk] [--hz N] [seconds]
// With --compositor it starts xcompmgr first and waits until it owns the compositing selection;
// without one the pen draws on its shaped window. --strokes (pen, 1,000 by default, none with
// --talk) finished strokes are drawn through the overlay's canvas before the live one opens.
// --talk (pen) is a whole talk: the pointer wanders over the screen on a curve that keeps
// finding new ground, and strokes follow it for 2 s, lifted for 0.2 s, again and again; no
// stroke is cleared.
// A still picture (bands and text) covers the screen below the effect, as a presentation does.
// Prints, for every 10 s of the run and for the whole: the CPU time of the program, of the X
// server (read from /proc when the server is a local process) and of both, as shares of one
// core, and the median, 90th percentile and largest time from the XTest request to the end of
// the paint that shows its position (the loupe, the live stroke) or a later one, or for the spot
// to its window moved there on the X server; a move the effect passes over (it shows at most one
// position per frame) counts until the next paint.
#include "CompositingManager.h"
#include "PKWColorSampler.h"
#include "VQDrawView.h"
#include "VQLaserPenManager.h"
#include "VQLaserPenOverlay.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMoveEvent>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <map>
#include <vector>

#include <sys/resource.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/shape.h>

namespace {

constexpr int kWindowSeconds = 10;

qint64 nowNs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The path of the pointer: every position differs from the ones near it in time, so a paint
// names its move. A talk's path sweeps the whole screen at about 600 px/s, its two periods
// (about 10 s and 6 s) so far from a common multiple that it keeps crossing new ground.
QPoint pathAt(int i, bool talk = false)
{
    if (talk) {
        return QPoint(960 + int(std::lround(860 * std::sin(i / 97.0))),
                      540 + int(std::lround(480 * std::sin(i / 61.3 + 1))));
    }
    return QPoint(300 + i % 1200, 540 + int(std::lround(250 * std::sin(i / 40.0))));
}

// The CPU time of the X server this program talks to, when it is a local process we may read;
// negative otherwise.
double serverCpuSeconds(pid_t server)
{
    if (server <= 0)
        return -1;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(server));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The fields after the command's closing parenthesis; utime and stime are the 12th and 13th.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return (fields.at(11).toDouble() + fields.at(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

pid_t serverPid()
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display())
        return 0;
    ucred peer {};
    socklen_t size = sizeof peer;
    if (getsockopt(ConnectionNumber(x11->display()), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0)
        return 0;
    return peer.pid;
}

// The second process: moves the pointer along the path at hz and prints, for every move, the
// monotonic time just before the request and the position.
int runMover(int seconds, int hz, bool talk)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    const int moves = seconds * hz;
    timespec next {};
    clock_gettime(CLOCK_MONOTONIC, &next);
    for (int i = 0; i < moves; ++i) {
        next.tv_nsec += 1000000000 / hz;
        if (next.tv_nsec >= 1000000000) {
            next.tv_nsec -= 1000000000;
            ++next.tv_sec;
        }
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
        const QPoint p = pathAt(i, talk);
        const qint64 t = nowNs();
        XTestFakeMotionEvent(display, -1, p.x(), p.y(), CurrentTime);
        XFlush(display);
        std::printf("%lld %d %d\n", static_cast<long long>(t), p.x(), p.y());
    }
    XSync(display, False);
    XCloseDisplay(display);
    std::fflush(stdout);
    return 0;
}

bool compositorRuns()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const Atom selection = XInternAtom(display, "_NET_WM_CM_S0", False);
    const bool owned = XGetSelectionOwner(display, selection) != None;
    XCloseDisplay(display);
    return owned;
}

// Records the spot window's moves once the X server has made them.
class MoveRecorder : public QObject {
public:
    explicit MoveRecorder(std::vector<std::pair<qint64, QPoint>>& moves)
        : m_moves(moves)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Move) {
            auto* window = static_cast<QWidget*>(watched);
            if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>())
                XSync(x11->display(), False);
            m_moves.emplace_back(nowNs(), window->geometry().center() + QPoint(1, 1));
        }
        return false;
    }

private:
    std::vector<std::pair<qint64, QPoint>>& m_moves;
};

// A slide: a still picture of bands and text over the whole screen.
class Presentation : public QWidget {
public:
    Presentation()
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        for (int band = 0; band * 60 < height(); ++band)
            painter.fillRect(QRect(0, band * 60, width(), 60), QColor::fromHsv((band * 23) % 360, 90, 230));
        painter.setPen(Qt::black);
        for (int line = 0; line * 40 < height(); ++line)
            painter.drawText(QPoint(40, line * 40 + 30), QStringLiteral("Quarterly figures, line %1: the quick brown fox jumps over the lazy dog").arg(line));
    }
};

struct Figures {
    double median = 0;
    double p90 = 0;
    double max = 0;
    size_t count = 0;
};

Figures figuresOf(std::vector<double> latencies)
{
    Figures f;
    if (latencies.empty())
        return f;
    std::sort(latencies.begin(), latencies.end());
    f.median = latencies[latencies.size() / 2];
    f.p90 = latencies[latencies.size() * 9 / 10];
    f.max = latencies.back();
    f.count = latencies.size();
    return f;
}

int intOption(const QStringList& args, const QString& name, int fallback)
{
    const qsizetype at = args.indexOf(name);
    if (at < 0 || at + 1 >= args.size())
        return fallback;
    bool ok = false;
    const int value = args.at(at + 1).toInt(&ok);
    return ok && value >= 0 ? value : fallback;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 3 && std::strcmp(argv[1], "--mover") == 0)
        return runMover(std::max(1, atoi(argv[2])), std::max(1, atoi(argv[3])), argc > 4 && std::strcmp(argv[4], "talk") == 0);

    // The manager reads (and a show may write) the settings: keep them away from the user's.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());

    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.value(1);
    if (mode != QLatin1String("loupe") && mode != QLatin1String("spot") && mode != QLatin1String("pen")) {
        std::fprintf(stderr, "usage: vq_laser_pen_bench loupe|spot|pen [--compositor] [--strokes N] [--talk] [--hz N] [seconds]\n");
        return 2;
    }
    const bool talk = mode == QLatin1String("pen") && args.contains(QStringLiteral("--talk"));
    const int strokes = intOption(args, QStringLiteral("--strokes"), talk ? 0 : 1000);
    const int hz = std::max(1, intOption(args, QStringLiteral("--hz"), 60));
    int seconds = 10;
    for (qsizetype i = 2; i < args.size(); ++i) {
        if (args.at(i - 1) == QLatin1String("--strokes") || args.at(i - 1) == QLatin1String("--hz"))
            continue;
        bool number = false;
        const int value = args.at(i).toInt(&number);
        if (number && value > 0)
            seconds = value;
    }
    if (!QGuiApplication::primaryScreen()) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }

    QProcess compositor;
    if (args.contains(QStringLiteral("--compositor"))) {
        compositor.start(QStringLiteral("xcompmgr"), {});
        QElapsedTimer clock;
        clock.start();
        while (!compositorRuns() && clock.elapsed() < 5000)
            spin(20);
        if (!compositorRuns()) {
            std::fprintf(stderr, "xcompmgr did not start\n");
            return 2;
        }
    }
    const bool composited = CompositingManager::instance().isCompositing();

    std::vector<std::pair<qint64, QPoint>> paints;
    paints.reserve(size_t(seconds) * size_t(hz) * 2);
    // The presentation: a window over the whole screen, below the effect.
    Presentation presentation;
    presentation.setGeometry(QGuiApplication::primaryScreen()->geometry());
    presentation.show();
    QCursor::setPos(pathAt(0, talk));
    spin(300);

    VQLaserPenManager& manager = VQLaserPenManager::sharedInstance();
    MoveRecorder moveRecorder(paints);
    QString what;
    bool shaped = false;
    if (mode == QLatin1String("loupe")) {
        what = QStringLiteral("loupe");
        QObject::connect(&PKWColorSampler::sharedInstance(), &PKWColorSampler::loupePainted, &app,
                         [&paints](QPoint centre) { paints.emplace_back(nowNs(), centre); });
        manager.zoomIn();
    } else if (mode == QLatin1String("spot")) {
        what = QStringLiteral("light spot");
        manager.showDigitalLightSpot();
        if (!manager.digitalLightSpotView()) {
            std::fprintf(stderr, "the light spot did not show\n");
            return 1;
        }
        manager.digitalLightSpotView()->installEventFilter(&moveRecorder);
    } else {
        manager.startDraw();
        if (manager.drawView().isEmpty()) {
            std::fprintf(stderr, "the pen overlay did not show\n");
            return 1;
        }
        shaped = manager.fullWindow().value(0) && manager.fullWindow().value(0)->isShaped();
        what = talk ? QStringLiteral("pen overlay over a talk, %1 finished strokes first, strokes of 2 s lifted for 0.2 s").arg(strokes)
                    : QStringLiteral("pen overlay, %1 finished strokes, one live stroke").arg(strokes);
        QRandomGenerator random(17);
        const QRect area = QGuiApplication::primaryScreen()->geometry();
        // Every canvas gets the same calls, as from the manager.
        const auto each = [&manager](const std::function<void(VQDrawView*)>& call) {
            for (const QPointer<VQDrawView>& view : manager.drawView()) {
                if (view)
                    call(view);
            }
        };
        for (int stroke = 0; stroke < strokes; ++stroke) {
            QPoint p(random.bounded(area.width()), random.bounded(area.height()));
            each([&](VQDrawView* view) { view->mouseDown(p); });
            for (int step = 0; step < 20; ++step) {
                p += QPoint(random.bounded(-60, 61), random.bounded(-60, 61));
                each([&](VQDrawView* view) { view->mouseDragged(p); });
            }
            each([](VQDrawView* view) { view->mouseUp(); });
            if (stroke % 50 == 0)
                QCoreApplication::processEvents();
        }
        spin(300);
        for (const QPointer<VQDrawView>& view : manager.drawView()) {
            QObject::connect(view.data(), &VQDrawView::painted, &app,
                             [&paints](QPoint shownUpTo) { paints.emplace_back(nowNs(), shownUpTo); });
        }
        // The live stroke, following the pointer's motion events: open for the whole run, or
        // for a talk opened and closed again and again by talkStrokes below.
        each([talk](VQDrawView* view) { view->mouseDown(pathAt(0, talk)); });
    }
    spin(500);
    paints.clear();

    // A talk: 2 s drawn, 0.2 s lifted, as the pen's effect key is held and let go.
    QTimer talkStrokes;
    talkStrokes.setTimerType(Qt::PreciseTimer);
    talkStrokes.setSingleShot(true);
    bool talkDrawing = true;
    // When the strokes were lifted and opened again: what moves in between draws nothing.
    std::vector<std::pair<qint64, qint64>> lifts;
    QObject::connect(&talkStrokes, &QTimer::timeout, &app, [&] {
        talkDrawing = !talkDrawing;
        if (talkDrawing && !lifts.empty())
            lifts.back().second = nowNs();
        else if (!talkDrawing)
            lifts.emplace_back(nowNs(), std::numeric_limits<qint64>::max());
        for (const QPointer<VQDrawView>& view : manager.drawView()) {
            if (!view)
                continue;
            if (talkDrawing)
                view->mouseDown(QCursor::pos());
            else
                view->mouseUp();
        }
        talkStrokes.start(talkDrawing ? 2000 : 200);
    });

    const pid_t server = serverPid();
    QProcess mover;
    mover.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--mover"), QString::number(seconds), QString::number(hz),
                                                          talk ? QStringLiteral("talk") : QStringLiteral("path")});
    if (!mover.waitForStarted(5000)) {
        std::fprintf(stderr, "the pointer mover did not start\n");
        return 2;
    }
    // The CPU time at every window's end; the windows start when the mover does.
    const qint64 start = nowNs();
    std::vector<double> cpuAt {cpuSeconds()};
    std::vector<double> serverCpuAt {serverCpuSeconds(server)};
    // The rectangles of the shaped pen window's shape as the server holds them.
    const auto shapeRectangles = [&manager, shaped] {
        VQLaserPenOverlay* overlay = manager.fullWindow().value(0);
        auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!shaped || !overlay || !x11)
            return -1;
        int count = 0;
        int ordering = 0;
        if (XRectangle* rectangles = XShapeGetRectangles(x11->display(), Window(overlay->winId()), ShapeBounding, &count, &ordering))
            XFree(rectangles);
        return count;
    };
    std::vector<int> shapeAt {shapeRectangles()};
    std::vector<qint64> wallAt {start};
    QTimer windows;
    windows.setTimerType(Qt::PreciseTimer);
    QObject::connect(&windows, &QTimer::timeout, &app, [&] {
        cpuAt.push_back(cpuSeconds());
        shapeAt.push_back(shapeRectangles());
        serverCpuAt.push_back(serverCpuSeconds(server));
        wallAt.push_back(nowNs());
    });
    windows.start(kWindowSeconds * 1000);
    if (talk)
        talkStrokes.start(2000);
    QEventLoop loop;
    QObject::connect(&mover, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot((seconds + 20) * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    spin(100); // the paints of the last moves
    windows.stop();
    talkStrokes.stop();
    cpuAt.push_back(cpuSeconds());
    serverCpuAt.push_back(serverCpuSeconds(server));
    shapeAt.push_back(shapeRectangles());
    wallAt.push_back(nowNs());

    // The moves in their order, and where each position was requested.
    std::vector<qint64> requests;
    std::map<std::pair<int, int>, std::vector<size_t>> indexesAt;
    for (const QByteArray& line : mover.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() != 3)
            continue;
        indexesAt[{parts[1].toInt(), parts[2].toInt()}].push_back(requests.size());
        requests.push_back(parts[0].toLongLong());
    }
    const int moves = int(requests.size());
    // A move and the paint that shows it lie in one stretch of drawing.
    const auto drawnBetween = [&lifts](qint64 request, qint64 paint) {
        return std::none_of(lifts.begin(), lifts.end(), [&](const std::pair<qint64, qint64>& lift) {
            return request < lift.second && paint >= lift.first;
        });
    };
    // Latencies by the 10 s window of their request. A paint shows its position and every move
    // before it that no paint showed yet: the effects change their windows at most once per
    // frame, so a move that comes sooner is shown by the next one.
    std::vector<std::vector<double>> byWindow(cpuAt.size());
    std::vector<double> all;
    size_t shown = 0; // the moves before this one are shown
    for (const auto& [t, p] : paints) {
        const auto at = indexesAt.find({p.x(), p.y()});
        if (at == indexesAt.end())
            continue;
        const auto index = std::lower_bound(at->second.begin(), at->second.end(), shown);
        if (index == at->second.end() || t < requests[*index])
            continue;
        for (size_t i = shown; i <= *index; ++i) {
            if (!drawnBetween(requests[i], t))
                continue;
            const double ms = (t - requests[i]) / 1e6;
            const size_t window = size_t(std::max<qint64>(0, requests[i] - start) / (qint64(kWindowSeconds) * 1000000000));
            byWindow[std::min(window, byWindow.size() - 1)].push_back(ms);
            all.push_back(ms);
        }
        shown = *index + 1;
    }

    PKWColorSampler::dismiss();
    manager.hideDigitalLightSpot();
    manager.endDraw();
    if (compositor.state() != QProcess::NotRunning) {
        compositor.terminate();
        compositor.waitForFinished(2000);
    }

    const char* surface = composited ? "xcompmgr" : shaped ? "no compositor, shaped window" : "no compositor";
    std::printf("%s, %s: %d moves at %d Hz, %zu paints\n", qPrintable(what), surface, moves, hz, paints.size());
    const bool serverRead = serverCpuAt.front() >= 0 && serverCpuAt.back() >= 0;
    // Shares of one core between two readings: the program, the X server and both together.
    const auto shares = [&](size_t from, size_t to) {
        const double wall = (wallAt[to] - wallAt[from]) / 1e9;
        const double own = 100 * (cpuAt[to] - cpuAt[from]) / wall;
        if (!serverRead)
            return QStringLiteral("CPU %1 % of one core (X server not readable)").arg(own, 5, 'f', 1);
        const double x = 100 * (serverCpuAt[to] - serverCpuAt[from]) / wall;
        return QStringLiteral("CPU %1 % + X server %2 % = %3 % of one core").arg(own, 5, 'f', 1).arg(x, 5, 'f', 1).arg(own + x, 5, 'f', 1);
    };
    for (size_t w = 0; w + 1 < cpuAt.size(); ++w) {
        const double wall = (wallAt[w + 1] - wallAt[w]) / 1e9;
        if (wall < 1)
            continue;
        const Figures f = figuresOf(byWindow[w]);
        const QString shape = shapeAt[w + 1] >= 0 ? QStringLiteral("; shape %1 rectangles").arg(shapeAt[w + 1]) : QString();
        std::printf("  %3zu-%3zu s: %s; request to paint median %6.2f ms, 90th %6.2f ms, max %7.2f ms (%zu)%s\n",
                    w * kWindowSeconds, (w + 1) * kWindowSeconds, qPrintable(shares(w, w + 1)), f.median, f.p90, f.max, f.count,
                    qPrintable(shape));
    }
    const Figures f = figuresOf(all);
    const double wall = (wallAt.back() - wallAt.front()) / 1e9;
    std::printf("  whole run: %s (program %.2f s in %.2f s); request to paint median %.2f ms, 90th %.2f ms, max %.2f ms (%zu matched)\n",
                qPrintable(shares(0, cpuAt.size() - 1)), cpuAt.back() - cpuAt.front(), wall, f.median, f.p90, f.max, f.count);
    return f.count == 0 ? 1 : 0;
}
