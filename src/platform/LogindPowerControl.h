#pragma once

#include "PowerControl.h"

#include <QDBusConnection>
#include <QObject>

class QDBusMessage;

// Sleep and lock through systemd-logind on D-Bus: the manager's Suspend (interactive, so the
// system's policy may ask the user) and Lock of the caller's own session ("session/auto").
// Calls are asynchronous; the completion reports logind's error text when it refuses.
class LogindPowerControl : public QObject, public PowerControl {
    Q_OBJECT
public:
    static constexpr const char* kService = "org.freedesktop.login1";
    static constexpr const char* kManagerPath = "/org/freedesktop/login1";
    static constexpr const char* kManagerInterface = "org.freedesktop.login1.Manager";
    static constexpr const char* kOwnSessionPath = "/org/freedesktop/login1/session/auto";
    static constexpr const char* kSessionInterface = "org.freedesktop.login1.Session";

    // On the system bus.
    explicit LogindPowerControl(QObject* parent = nullptr);
    // On another bus (tests run a stand-in logind on a private bus).
    explicit LogindPowerControl(const QDBusConnection& bus, QObject* parent = nullptr);

    void suspend(Completion done) override;
    void lockSession(Completion done) override;

private:
    void call(const QDBusMessage& message, Completion done);

    QDBusConnection m_bus;
};
