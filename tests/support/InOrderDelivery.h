#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <functional>
#include <utility>

// Runs actions after a delay, but never one before an action scheduled earlier: a device answers
// over one link, so a slow answer holds back the ones after it instead of being overtaken.
class InOrderDelivery {
public:
    explicit InOrderDelivery(QObject* context)
    {
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, context, [this] { run(); });
        m_clock.start();
    }

    void after(int delayMs, std::function<void()> action)
    {
        qint64 due = m_clock.elapsed() + std::max(0, delayMs);
        if (!m_queue.empty())
            due = std::max(due, m_queue.back().first);
        m_queue.emplace_back(due, std::move(action));
        if (!m_running)
            arm();
    }

    // True while an action waits for its time.
    bool isPending() const { return !m_queue.empty(); }

private:
    void run()
    {
        m_running = true;
        while (!m_queue.empty() && m_queue.front().first <= m_clock.elapsed()) {
            std::function<void()> action = std::move(m_queue.front().second);
            m_queue.pop_front();
            action();
        }
        m_running = false;
        arm();
    }

    void arm()
    {
        if (m_queue.empty())
            m_timer.stop();
        else
            m_timer.start(int(std::max<qint64>(0, m_queue.front().first - m_clock.elapsed())));
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    std::deque<std::pair<qint64, std::function<void()>>> m_queue;
    bool m_running = false;
};
