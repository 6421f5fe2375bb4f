#include "LogindPowerControl.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusError>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace {

// A stand-in for logind's manager and for the caller's session object.
class StandInLogindManager : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    QStringList calls;
    QString refusal; // when set, every call fails with this message

public Q_SLOTS:
    void Suspend(bool interactive)
    {
        calls << QStringLiteral("Suspend(%1)").arg(interactive ? "true" : "false");
        if (!refusal.isEmpty())
            sendErrorReply(QDBusError::AccessDenied, refusal);
    }
};

class StandInLogindSession : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Session")
public:
    QStringList calls;

public Q_SLOTS:
    void Lock() { calls << QStringLiteral("Lock"); }
};

// A private message bus for the test process.
class PrivateBus {
public:
    PrivateBus()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            return;
        m_process.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        if (!m_process.waitForStarted(5000))
            return;
        vqtest::waitUntil([this] { return m_process.canReadLine(); }, 5000);
        address = QString::fromUtf8(m_process.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        m_process.terminate();
        m_process.waitForFinished(3000);
    }

    QString address;

private:
    QProcess m_process;
};

class LogindPowerControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(bus.address.isEmpty()) << "dbus-daemon did not start (scripts/setup installs it)";
        service = QDBusConnection::connectToBus(bus.address, QStringLiteral("logind-stand-in"));
        client = QDBusConnection::connectToBus(bus.address, QStringLiteral("logind-client"));
        ASSERT_TRUE(service.isConnected());
        ASSERT_TRUE(client.isConnected());
        ASSERT_TRUE(service.registerObject(QLatin1String(LogindPowerControl::kManagerPath), &manager,
                                           QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(service.registerObject(QLatin1String(LogindPowerControl::kOwnSessionPath), &session,
                                           QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(service.registerService(QLatin1String(LogindPowerControl::kService)));
    }

    void TearDown() override
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("logind-stand-in"));
        QDBusConnection::disconnectFromBus(QStringLiteral("logind-client"));
    }

    PrivateBus bus;
    QDBusConnection service{QString()};
    QDBusConnection client{QString()};
    StandInLogindManager manager;
    StandInLogindSession session;
};

struct Outcome {
    bool done = false;
    bool ok = false;
    QString error;
    PowerControl::Completion completion()
    {
        return [this](bool success, const QString& message) {
            done = true;
            ok = success;
            error = message;
        };
    }
};

TEST_F(LogindPowerControlTest, SuspendAsksLogindInteractively)
{
    LogindPowerControl power(client);
    Outcome outcome;
    power.suspend(outcome.completion());
    EXPECT_FALSE(outcome.done) << "the completion never runs inside the call";
    ASSERT_TRUE(vqtest::waitUntil([&] { return outcome.done; }));
    EXPECT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_EQ(manager.calls, QStringList{QStringLiteral("Suspend(true)")});
    EXPECT_TRUE(session.calls.isEmpty());
}

TEST_F(LogindPowerControlTest, LockLocksTheCallersOwnSession)
{
    LogindPowerControl power(client);
    Outcome outcome;
    power.lockSession(outcome.completion());
    ASSERT_TRUE(vqtest::waitUntil([&] { return outcome.done; }));
    EXPECT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_EQ(session.calls, QStringList{QStringLiteral("Lock")});
}

TEST_F(LogindPowerControlTest, ARefusalReachesTheCallerWithLogindsReason)
{
    manager.refusal = QStringLiteral("Interactive authentication required.");
    LogindPowerControl power(client);
    Outcome outcome;
    power.suspend(outcome.completion());
    ASSERT_TRUE(vqtest::waitUntil([&] { return outcome.done; }));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error, manager.refusal);
}

TEST_F(LogindPowerControlTest, NoLogindOnTheBusIsAFailureNotAHang)
{
    service.unregisterService(QLatin1String(LogindPowerControl::kService));
    LogindPowerControl power(client);
    Outcome outcome;
    power.lockSession(outcome.completion());
    ASSERT_TRUE(vqtest::waitUntil([&] { return outcome.done; }));
    EXPECT_FALSE(outcome.ok);
    EXPECT_FALSE(outcome.error.isEmpty());
}

TEST(LogindPowerControlWithoutBusTest, NoBusIsReportedFromTheEventLoop)
{
    const QDBusConnection nowhere = QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                                  QStringLiteral("nowhere"));
    LogindPowerControl power(nowhere);
    Outcome outcome;
    power.suspend(outcome.completion());
    EXPECT_FALSE(outcome.done);
    ASSERT_TRUE(vqtest::waitUntil([&] { return outcome.done; }));
    EXPECT_FALSE(outcome.ok);
    EXPECT_FALSE(outcome.error.isEmpty());
    QDBusConnection::disconnectFromBus(QStringLiteral("nowhere"));
}

} // namespace

#include "LogindPowerControlTest.moc"
