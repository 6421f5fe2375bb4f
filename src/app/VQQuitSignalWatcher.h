#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the signals that ask a program to end (SIGTERM, SIGINT, SIGHUP) into quitRequested()
// on the main thread, so they take the same orderly way out as the Quit menu item. The signal
// handler only writes the signal number to a pipe (async-signal-safe); the main thread reads it.
// One watcher at a time; the handlers in place before are restored when it is destroyed.
class VQQuitSignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit VQQuitSignalWatcher(QObject* parent = nullptr);
    ~VQQuitSignalWatcher() override;

    // False when the pipe or a handler could not be set up (logged).
    bool isWatching() const { return m_watching; }

Q_SIGNALS:
    void quitRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
    bool m_watching = false;
};
