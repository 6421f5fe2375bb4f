#pragma once

#include <QObject>
#include <QTimer>

class QSocketNotifier;

namespace mm {

// A single-shot timer for a moment of the monotonic clock (std::chrono::steady_clock, in
// nanoseconds), kept to the kernel's timer slack (tens of microseconds). A QTimer rounds up to
// whole milliseconds, and the event loop's wait rounds again, which adds most of a millisecond
// to every spacing counted from an earlier moment. Linux timerfd read through a
// QSocketNotifier: the thread sleeps until it fires. Thread of its creation only.
class DeadlineTimer : public QObject {
    Q_OBJECT
public:
    explicit DeadlineTimer(QObject* parent = nullptr);
    ~DeadlineTimer() override;

    // Now on the clock the deadlines are given in.
    static qint64 nowNs();

    // Fires once at the deadline, or on the next pass of the event loop when it is past;
    // replaces a deadline set before.
    void start(qint64 deadlineNs);
    void stop();
    bool isActive() const { return m_active; }

Q_SIGNALS:
    void timeout();

private:
    void fired();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_fallback; // where timerfd is not available: a precise QTimer
    bool m_active = false;
};

} // namespace mm
