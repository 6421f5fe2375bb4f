#include "DeadlineTimer.h"

#include <QSocketNotifier>

#include <chrono>

#include <sys/timerfd.h>
#include <unistd.h>

namespace mm {

DeadlineTimer::DeadlineTimer(QObject* parent)
    : QObject(parent)
{
    m_fallback.setSingleShot(true);
    m_fallback.setTimerType(Qt::PreciseTimer);
    connect(&m_fallback, &QTimer::timeout, this, &DeadlineTimer::fired);
    m_fd = ::timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC | TFD_NONBLOCK);
    if (m_fd >= 0) {
        m_notifier = new QSocketNotifier(qintptr(m_fd), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] {
            quint64 expirations = 0;
            if (::read(m_fd, &expirations, sizeof expirations) == ssize_t(sizeof expirations))
                fired();
        });
    }
}

DeadlineTimer::~DeadlineTimer()
{
    if (m_fd >= 0) {
        delete m_notifier;
        ::close(m_fd);
    }
}

qint64 DeadlineTimer::nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void DeadlineTimer::start(qint64 deadlineNs)
{
    m_active = true;
    if (m_fd < 0) {
        const qint64 waitNs = deadlineNs - nowNs();
        m_fallback.start(waitNs > 0 ? int((waitNs + 999999) / 1000000) : 0);
        return;
    }
    // An absolute time in the past expires at once; zero would disarm the timer.
    itimerspec spec{};
    const qint64 at = deadlineNs > 0 ? deadlineNs : 1;
    spec.it_value.tv_sec = time_t(at / 1000000000);
    spec.it_value.tv_nsec = long(at % 1000000000);
    ::timerfd_settime(m_fd, TFD_TIMER_ABSTIME, &spec, nullptr);
}

void DeadlineTimer::stop()
{
    m_active = false;
    m_fallback.stop();
    if (m_fd >= 0) {
        const itimerspec disarmed{};
        ::timerfd_settime(m_fd, TFD_TIMER_ABSTIME, &disarmed, nullptr);
        quint64 expirations = 0;
        [[maybe_unused]] const ssize_t drained = ::read(m_fd, &expirations, sizeof expirations);
    }
}

void DeadlineTimer::fired()
{
    if (!m_active)
        return;
    m_active = false;
    Q_EMIT timeout();
}

} // namespace mm
