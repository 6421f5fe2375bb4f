// The magnifier's loupe and the pen canvas (holding 200 strokes) following the real pointer,
// moved through XTest by a second process at 125 Hz for 10 s. Run under an X server with one
// screen (Xvfb 1920x1080): vq_laser_pen_bench loupe|canvas [--compositor] [seconds].
// With --compositor it starts xcompmgr first and waits until it owns the compositing selection.
// Prints the repaints per second, the program's CPU time as a share of one core, and the median
// (and 90th percentile) from the XTest request to the end of the paint that shows its position.
#include "CompositingManager.h"
#include "PKWColorSampler.h"
#include "ScreenGrabber.h"
#include "VQDrawView.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QPaintEvent>
#include <QProcess>
#include <QRandomGenerator>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

#include <sys/resource.h>
#include <time.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

constexpr int kMoveHz = 125;

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

// The path of the pointer: every position differs from the others, so a paint names its move.
QPoint pathAt(int i)
{
    return QPoint(300 + i % 1200, 540 + int(std::lround(250 * std::sin(i / 40.0))));
}

// The second process: moves the pointer along the path at 125 Hz and prints, for every move,
// the monotonic time just before the request and the position.
int runMover(int seconds)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    const int moves = seconds * kMoveHz;
    timespec next {};
    clock_gettime(CLOCK_MONOTONIC, &next);
    for (int i = 0; i < moves; ++i) {
        next.tv_nsec += 1000000000 / kMoveHz;
        if (next.tv_nsec >= 1000000000) {
            next.tv_nsec -= 1000000000;
            ++next.tv_sec;
        }
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
        const QPoint p = pathAt(i);
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

// The pen overlay's stand-in: a frameless window over the screen carrying the canvas, clear
// with a compositor, else painting the screen's picture frozen before it mapped.
class CanvasHost : public QWidget {
public:
    CanvasHost(QScreen* screen, bool composited)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool
                               | Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        if (composited)
            setAttribute(Qt::WA_TranslucentBackground);
        else
            m_frozen = ScreenGrabber::instance().grabScreen(screen);
        setGeometry(screen->geometry());
        canvas = new VQDrawView(this);
        canvas->setGeometry(rect());
    }

    VQDrawView* canvas = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (m_frozen.isNull())
            return;
        QPainter painter(this);
        const QRect area = event->rect();
        const qreal ratio = m_frozen.devicePixelRatio();
        painter.drawPixmap(area, m_frozen, QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
    }

private:
    QPixmap m_frozen;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc > 2 && std::strcmp(argv[1], "--mover") == 0)
        return runMover(std::max(1, atoi(argv[2])));

    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool loupe = args.contains(QStringLiteral("loupe"));
    const bool canvasMode = args.contains(QStringLiteral("canvas"));
    if (loupe == canvasMode) {
        std::fprintf(stderr, "usage: vq_laser_pen_bench loupe|canvas [--compositor] [seconds]\n");
        return 2;
    }
    int seconds = 10;
    for (const QString& arg : args.mid(1)) {
        bool number = false;
        const int value = arg.toInt(&number);
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

    QScreen* screen = QGuiApplication::primaryScreen();
    std::vector<std::pair<qint64, QPoint>> paints;
    paints.reserve(size_t(seconds) * 500);
    QCursor::setPos(pathAt(0));
    spin(100);

    std::unique_ptr<CanvasHost> host;
    if (loupe) {
        QObject::connect(&PKWColorSampler::sharedInstance(), &PKWColorSampler::loupePainted, &app,
                         [&paints](QPoint centre) { paints.emplace_back(nowNs(), centre); });
        PKWColorSampler::zoomInPixelZoom(1.5, 300);
    } else {
        host = std::make_unique<CanvasHost>(screen, composited);
        VQDrawView* canvas = host->canvas;
        QRandomGenerator random(17);
        const QRect area = screen->geometry();
        for (int stroke = 0; stroke < 200; ++stroke) {
            canvas->setDrawColor(QColor::fromHsv(stroke * 37 % 360, 200, 230));
            canvas->setLineWidth(4 + stroke % 12);
            QPoint p(random.bounded(area.width()), random.bounded(area.height()));
            canvas->mouseDown(p);
            for (int step = 0; step < 20; ++step) {
                p += QPoint(random.bounded(-60, 61), random.bounded(-60, 61));
                canvas->mouseDragged(p);
            }
            canvas->mouseUp();
        }
        canvas->setDrawColor(Qt::red);
        canvas->setLineWidth(10);
        host->show();
        QObject::connect(canvas, &VQDrawView::painted, &app, [&paints, canvas] {
            if (!canvas->pathReleased())
                paints.emplace_back(nowNs(), canvas->drawPath().currentPosition().toPoint());
        });
        spin(300);
        canvas->mouseDown(pathAt(0));
    }
    spin(500);
    paints.clear();

    QProcess mover;
    mover.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--mover"), QString::number(seconds)});
    if (!mover.waitForStarted(5000)) {
        std::fprintf(stderr, "the pointer mover did not start\n");
        return 2;
    }
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QEventLoop loop;
    QObject::connect(&mover, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot((seconds + 10) * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    spin(100); // the paints of the last moves
    const double elapsed = wall.nsecsElapsed() / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;

    std::map<std::pair<int, int>, qint64> requests;
    int moves = 0;
    const QList<QByteArray> lines = mover.readAllStandardOutput().split('\n');
    qint64 firstRequest = 0;
    qint64 lastRequest = 0;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() != 3)
            continue;
        const qint64 t = parts[0].toLongLong();
        requests[{parts[1].toInt(), parts[2].toInt()}] = t;
        firstRequest = firstRequest ? firstRequest : t;
        lastRequest = t;
        ++moves;
    }
    std::vector<double> latencies;
    int paintsInRun = 0;
    for (const auto& [t, p] : paints) {
        if (t >= firstRequest && t <= lastRequest)
            ++paintsInRun;
        const auto it = requests.find({p.x(), p.y()});
        if (it != requests.end() && t >= it->second)
            latencies.push_back((t - it->second) / 1e6);
    }
    std::sort(latencies.begin(), latencies.end());
    const double runSeconds = std::max(1e-3, (lastRequest - firstRequest) / 1e9);

    PKWColorSampler::dismiss();
    host.reset();
    if (compositor.state() != QProcess::NotRunning) {
        compositor.terminate();
        compositor.waitForFinished(2000);
    }

    std::printf("%s, %s: %d moves, %zu paints, %.1f repaints/s, CPU %.1f %% of one core (%.2f s in %.2f s)\n",
                loupe ? "loupe" : "canvas (200 strokes)", composited ? "xcompmgr" : "no compositor", moves,
                paints.size(), paintsInRun / runSeconds, 100 * cpu / elapsed, cpu, elapsed);
    if (latencies.empty()) {
        std::printf("no paint showed a requested position\n");
        return 1;
    }
    std::printf("XTest request to painted position: median %.2f ms, 90th percentile %.2f ms, max %.2f ms (%zu paints matched)\n",
                latencies[latencies.size() / 2], latencies[latencies.size() * 9 / 10], latencies.back(),
                latencies.size());
    return 0;
}
