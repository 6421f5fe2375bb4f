#include "X11ErrorTrap.h"

#include "MMLog.h"

#include <QGuiApplication>
#include <QThread>

#include <X11/Xlib.h>
#include <xcb/xcb.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace {

std::mutex& trapMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::atomic<Display*> trappedDisplay{nullptr};
std::atomic<int> trappedError{0};

int quietErrorHandler(Display* display, XErrorEvent* error)
{
    if (display == trappedDisplay.load()) {
        int expected = 0;
        trappedError.compare_exchange_strong(expected, error->error_code);
        return 0;
    }
    char text[160] = {};
    XGetErrorText(display, error->error_code, text, sizeof(text) - 1);
    VQLogWarn(QStringLiteral("X error %1 (%2), request %3.%4")
                  .arg(error->error_code)
                  .arg(QString::fromLocal8Bit(text))
                  .arg(error->request_code)
                  .arg(error->minor_code));
    return 0;
}

std::function<void()>& handlerSlot()
{
    static auto* handler = new std::function<void()>;
    return *handler;
}

int ioErrorHandler(Display*)
{
    X11ErrorTrap::endAfterConnectionLoss();
}

void ioErrorExitHandler(Display*, void*)
{
    X11ErrorTrap::endAfterConnectionLoss();
}

// The end after a loss, shared by every thread that meets it: the handler runs once, on
// whichever thread takes it first.
std::atomic<bool> g_lossSeen{false};
std::atomic<bool> g_handedOver{false};
std::atomic<bool> g_handlerTaken{false};
std::atomic<bool> g_handlerDone{false};
std::atomic<int> g_handOverWaitMs{3000};
// How long a thread that did not take the handler waits for the one that did to end the process.
constexpr int kHandlerWaitMs = 10000;

bool onMainThread()
{
    QCoreApplication* app = QCoreApplication::instance();
    return app == nullptr || QThread::currentThread() == app->thread();
}

void waitFor(const std::atomic<bool>& flag, int ms)
{
    for (int waited = 0; waited < ms && !flag.load(); waited += 5)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

// Runs the handler unless it runs or ran already; false when another thread has taken it.
bool runHandlerOnce()
{
    if (g_handlerTaken.exchange(true))
        return false;
    if (const std::function<void()>& handler = handlerSlot())
        handler();
    g_handlerDone.store(true);
    return true;
}

[[noreturn]] void endProcess()
{
    mm::flushLogs();
    std::fflush(nullptr);
    ::_exit(1);
}

// True when Qt's own X connection has broken (Qt then ends the process with exit(1)).
bool qtConnectionBroken()
{
    auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    auto* x11 = gui ? gui->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 && x11->connection() && xcb_connection_has_error(x11->connection()) != 0;
}

} // namespace

void X11ErrorTrap::setConnectionLostHandler(std::function<void()> handler)
{
    handlerSlot() = std::move(handler);
    // Qt's own connection ends the process with exit(1) when it breaks; the application object
    // is still there then, and exit() reaches the same end through this hook (it runs before the
    // destructors of every static made earlier; the handler uses only objects never destroyed).
    // Any other exit() (a library's, on whatever thread) is left to run its course.
    static std::once_flag registered;
    std::call_once(registered, [] {
        std::atexit([] {
            if (QCoreApplication::instance() && (g_lossSeen.load() || qtConnectionBroken()))
                X11ErrorTrap::endAfterConnectionLoss();
        });
    });
}

std::function<void()> X11ErrorTrap::connectionLostHandler()
{
    return handlerSlot();
}

void X11ErrorTrap::setHandOverWaitForTests(int ms)
{
    g_handOverWaitMs.store(ms);
}

bool X11ErrorTrap::connectionLost()
{
    return g_lossSeen.load();
}

void X11ErrorTrap::endAfterConnectionLoss()
{
    if (!g_lossSeen.exchange(true))
        VQLogError(QStringLiteral("the connection to the X server was lost: the program ends"));
    if (!QCoreApplication::instance())
        endProcess(); // the application has ended: nothing is left to save
    if (onMainThread()) {
        // Our connection's I/O error handler on the main thread, Qt's exit() through the hook
        // above, or the hand-over below. When a thread that met the loss first runs the handler
        // (the main thread did not come in time), it ends the process.
        if (!runHandlerOnce())
            waitFor(g_handlerDone, kHandlerWaitMs);
        endProcess();
    }
    // Another thread: the handler belongs on the main thread, which takes it through the call
    // queued here, or through exit() when Qt's connection broke there first. Should the main
    // thread not come in time (it is stuck), the handler runs here.
    if (!g_handedOver.exchange(true))
        QMetaObject::invokeMethod(QCoreApplication::instance(), [] { endAfterConnectionLoss(); }, Qt::QueuedConnection);
    waitFor(g_handlerTaken, g_handOverWaitMs.load());
    if (!runHandlerOnce())
        waitFor(g_handlerDone, kHandlerWaitMs);
    endProcess();
}

X11ErrorTrap::X11ErrorTrap(_XDisplay* display)
    : m_lock(trapMutex())
    , m_display(display)
{
    installQuietHandler();
    XSync(m_display, False); // errors of earlier requests are not this trap's
    trappedError.store(0);
    trappedDisplay.store(m_display);
}

X11ErrorTrap::~X11ErrorTrap()
{
    XSync(m_display, False);
    trappedDisplay.store(nullptr);
    trappedError.store(0);
}

int X11ErrorTrap::sync()
{
    XSync(m_display, False);
    return trappedError.exchange(0);
}

X11LazyDisplay::~X11LazyDisplay()
{
    if (m_display)
        XCloseDisplay(m_display);
}

bool X11LazyDisplay::ensure(const std::function<bool(_XDisplay*)>& setUp)
{
    if (m_display)
        return true;
    if (m_unavailable)
        return false;
    m_display = X11ErrorTrap::openDisplay();
    if (m_display && setUp && !setUp(m_display)) {
        XCloseDisplay(m_display);
        m_display = nullptr;
    }
    m_unavailable = m_display == nullptr;
    return !m_unavailable;
}

void X11ErrorTrap::installQuietHandler()
{
    XSetErrorHandler(quietErrorHandler);
}

_XDisplay* X11ErrorTrap::openDisplay()
{
    installQuietHandler();
    XSetIOErrorHandler(ioErrorHandler);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        VQLogError(QStringLiteral("cannot open the X display \"%1\"").arg(qEnvironmentVariable("DISPLAY")));
        return nullptr;
    }
    XSetIOErrorExitHandler(display, ioErrorExitHandler, nullptr);
    return display;
}
