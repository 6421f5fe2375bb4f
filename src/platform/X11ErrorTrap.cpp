#include "X11ErrorTrap.h"

#include "MMLog.h"

#include <QCoreApplication>
#include <QThread>

#include <X11/Xlib.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
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

std::function<void()>& connectionLostHandler()
{
    static auto* handler = new std::function<void()>;
    return *handler;
}

int connectionLost(Display*)
{
    X11ErrorTrap::endAfterConnectionLoss();
}

void connectionLostExit(Display*, void*)
{
    X11ErrorTrap::endAfterConnectionLoss();
}

} // namespace

void X11ErrorTrap::setConnectionLostHandler(std::function<void()> handler)
{
    connectionLostHandler() = std::move(handler);
}

void X11ErrorTrap::endAfterConnectionLoss()
{
    static std::atomic<bool> ending{false};
    if (ending.exchange(true)) {
        // Another thread ends the process.
        for (;;)
            ::pause();
    }
    VQLogError(QStringLiteral("the connection to the X server was lost: the program ends"));
    const std::function<void()>& handler = connectionLostHandler();
    QCoreApplication* app = QCoreApplication::instance();
    if (handler && app) {
        if (QThread::currentThread() == app->thread()) {
            handler();
        } else {
            auto done = std::make_shared<std::atomic<bool>>(false);
            QMetaObject::invokeMethod(
                app,
                [done] {
                    connectionLostHandler()();
                    done->store(true);
                },
                Qt::QueuedConnection);
            for (int i = 0; i < 300 && !done->load(); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    mm::flushLogs();
    std::fflush(nullptr);
    ::_exit(1);
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

void X11ErrorTrap::installQuietHandler()
{
    XSetErrorHandler(quietErrorHandler);
}

_XDisplay* X11ErrorTrap::openDisplay()
{
    installQuietHandler();
    XSetIOErrorHandler(connectionLost);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        VQLogError(QStringLiteral("cannot open the X display \"%1\"").arg(qEnvironmentVariable("DISPLAY")));
        return nullptr;
    }
    XSetIOErrorExitHandler(display, connectionLostExit, nullptr);
    return display;
}
