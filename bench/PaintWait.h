#pragma once

// Waits for the paint of what a change marked dirty in a top-level widget, so a figure includes
// it: Qt paints on the update request that the first change posts (to the widget, or to its
// window on platforms that pace updates), and that request is handled in the same pass of the
// event loop that delivers it.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>

class PaintWait : public QObject {
public:
    explicit PaintWait(QWidget& topLevel)
        : m_topLevel(topLevel)
    {
        m_topLevel.installEventFilter(this);
        if (QWindow* window = m_topLevel.windowHandle())
            window->installEventFilter(this);
    }

    // Runs the event loop until an update request since the last call was handled; false when
    // none came within the time-out (nothing was marked dirty).
    bool waitForPaint(int timeoutMs = 1000)
    {
        QElapsedTimer clock;
        clock.start();
        while (m_requests == m_seen && clock.elapsed() < timeoutMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        const bool painted = m_requests != m_seen;
        m_seen = m_requests;
        return painted;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::UpdateRequest)
            ++m_requests;
        return false;
    }

private:
    QWidget& m_topLevel;
    int m_requests = 0;
    int m_seen = 0;
};
