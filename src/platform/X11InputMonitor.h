#pragma once

#include "InputMonitor.h"

#include <QObject>

#include <atomic>
#include <map>
#include <mutex>
#include <thread>

struct _XDisplay;

// Watches the desktop through XInput2 raw events on a connection of its own, read by a worker
// thread that sleeps in poll() until the server sends something or the set of wanted events
// changes. Raw events reach every client that asks for them, whichever window is under the
// pointer and whoever grabs the device, so one watcher serves as both the local and the global
// monitor. Pointer motion is only asked for while a handler wants moves, or wants drags and a
// button is down, so an idle pointer costs nothing.
//
// addMonitor() and removeMonitor() never wait for the server (another client may hold it): they
// change the wanted events, wake the worker through an eventfd and return. A new monitor sees
// the events from the moment the worker has asked the server for them, a round trip later
// (selectionApplied()); a removed one is called no more at once. Events reach the handlers in
// the order the server sent them. Only the destructor waits, for the worker to end.
//
// Raw events carry no position: the worker reads the pointer position when a mouse event comes
// in, and the main thread converts it to Qt's global coordinates. Handlers run on the main thread.
class X11InputMonitor : public QObject, public InputMonitor {
    Q_OBJECT
public:
    explicit X11InputMonitor(QObject* parent = nullptr);
    ~X11InputMonitor() override;

    int addMonitor(MMEventMask mask, Handler handler) override;
    void removeMonitor(int id) override;

    // True once the worker has asked the server for what the monitors added and removed so far
    // want (or has stopped); a monitor sees every event from then on. Any thread.
    bool selectionApplied();

private:
    struct Monitor {
        MMEventMask mask = 0;
        Handler handler;
    };

    bool ensureWorker();
    void updateWantedMask();
    void wakeWorker();
    void workerLoop();
    void deliver(MMEvent event);

    std::map<int, Monitor> m_monitors;
    int m_nextId = 1;
    bool m_unavailable = false;

    _XDisplay* m_display = nullptr; // used by the worker thread once it runs
    int m_xiOpcode = 0;
    int m_wakeFd = -1;
    std::thread m_worker;
    std::atomic<MMEventMask> m_wantedMask{0};
    std::atomic<bool> m_stop{false};
    // Each change of the wanted mask gets a number; the worker reports the last one in force.
    std::mutex m_selectionMutex;
    quint64 m_requestedSelection = 0;
    quint64 m_appliedSelection = 0;
    bool m_workerEnded = false; // the worker gave up (X connection lost): nothing will be applied
};
