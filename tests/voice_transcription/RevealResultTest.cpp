// The open button of a done row: a file manager on the session bus is asked to show the result
// file; without one, the desktop opener opens its folder. The session bus is a private
// dbus-daemon started before any test runs.
#include "StandInFileManager.h"

#include "FakeDesktopOpener.h"
#include "TestSupport.h"
#include "VQButton.h"
#include "VQTransferAudioCellView.h"
#include "VQTransferAudioModel.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PrivateSessionBus : public ::testing::Environment {
public:
    void SetUp() override
    {
        m_daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                       QStringLiteral("--print-address=1")});
        ASSERT_TRUE(m_daemon.waitForStarted(10000));
        ASSERT_TRUE(m_daemon.waitForReadyRead(10000));
        const QByteArray address = m_daemon.readLine().trimmed();
        ASSERT_FALSE(address.isEmpty());
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        s_address = QString::fromLatin1(address);
    }
    void TearDown() override
    {
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
    static QString s_address;

private:
    QProcess m_daemon;
};

QString PrivateSessionBus::s_address;
const auto* const g_bus = ::testing::AddGlobalTestEnvironment(new PrivateSessionBus);

} // namespace

TEST(RevealResultTest, FileManagerShowsTheFileElseTheFolderOpens)
{
    ASSERT_FALSE(PrivateSessionBus::s_address.isEmpty());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes 1.txt"));
    FakeDesktopOpener opener;

    VQTransferAudioCellView row;
    VQTransferAudioModel model;
    model.idStr = QStringLiteral("1");
    model.path = path;
    model.status = VQTransferAudioModel::Done;
    row.setModel(model);

    StandInFileManager manager;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(PrivateSessionBus::s_address, QStringLiteral("file-manager"));
        ASSERT_TRUE(bus.isConnected());
        ASSERT_TRUE(bus.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &manager, QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(bus.registerService(QStringLiteral("org.freedesktop.FileManager1")));
    }
    row.openBtn()->performClick();
    ASSERT_TRUE(vqtest::waitUntil([&] { return !manager.shown.isEmpty(); }));
    EXPECT_EQ(manager.shown, QList<QStringList>{QStringList{QUrl::fromLocalFile(path).toString()}});

    QDBusConnection::disconnectFromBus(QStringLiteral("file-manager"));
    ASSERT_TRUE(vqtest::waitUntil([] {
        return !QDBusConnection::sessionBus().interface()->isServiceRegistered(QStringLiteral("org.freedesktop.FileManager1")).value();
    }));
    row.openBtn()->performClick();
    ASSERT_TRUE(vqtest::waitUntil([&] { return !opener.opened.isEmpty(); }));
    EXPECT_EQ(opener.opened, QList<QUrl>{QUrl::fromLocalFile(dir.path())});
    EXPECT_EQ(manager.shown.size(), 1);
}
