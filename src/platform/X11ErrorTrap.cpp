#include "X11ErrorTrap.h"

#include "MMLog.h"

#include <X11/Xlib.h>

#include <atomic>

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

} // namespace

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
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        VQLogError(QStringLiteral("cannot open the X display \"%1\"").arg(qEnvironmentVariable("DISPLAY")));
    return display;
}
