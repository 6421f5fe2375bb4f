#include "LogindPowerControl.h"

#include "MMLog.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

LogindPowerControl::LogindPowerControl(QObject* parent)
    : LogindPowerControl(QDBusConnection::systemBus(), parent)
{
}

LogindPowerControl::LogindPowerControl(const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , m_bus(bus)
{
}

void LogindPowerControl::suspend(Completion done)
{
    QDBusMessage message = QDBusMessage::createMethodCall(QLatin1String(kService), QLatin1String(kManagerPath),
                                                          QLatin1String(kManagerInterface), QStringLiteral("Suspend"));
    message << true; // interactive: let the system's policy ask for authentication
    call(message, std::move(done));
}

void LogindPowerControl::lockSession(Completion done)
{
    const QDBusMessage message = QDBusMessage::createMethodCall(
        QLatin1String(kService), QLatin1String(kOwnSessionPath), QLatin1String(kSessionInterface), QStringLiteral("Lock"));
    call(message, std::move(done));
}

void LogindPowerControl::call(const QDBusMessage& message, Completion done)
{
    const QString what = message.member();
    if (!m_bus.isConnected()) {
        const QString error = QStringLiteral("no D-Bus connection to logind: %1").arg(m_bus.lastError().message());
        VQLogWarn(QStringLiteral("%1 failed: %2").arg(what, error));
        QMetaObject::invokeMethod(
            this, [done = std::move(done), error] { if (done) done(false, error); }, Qt::QueuedConnection);
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [what, done = std::move(done)](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<> reply = *w;
        if (reply.isError()) {
            const QString error = reply.error().message().isEmpty() ? reply.error().name() : reply.error().message();
            VQLogWarn(QStringLiteral("%1 refused by logind: %2").arg(what, error));
            if (done)
                done(false, error);
            return;
        }
        if (done)
            done(true, QString());
    });
}
