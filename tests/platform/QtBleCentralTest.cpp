// The Qt Bluetooth central where there is no adapter or no Bluetooth service (as on the build
// machines): a normal state, never a failure the user sees.
#include "MMLog.h"
#include "QtBleCentral.h"
#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

TEST(QtBleCentralTest, NoAdapterIsANormalStateAndNothingIsCalled)
{
    QtBleCentral central;
    int calls = 0;
    BleCentral::Handlers handlers;
    handlers.connected = [&calls](const QString&, const QString&) { ++calls; };
    handlers.disconnected = [&calls] { ++calls; };
    handlers.notified = [&calls](const QByteArray&) { ++calls; };
    BleCentral::Profile profile{QStringLiteral("8f2c0001-4b6e-4d8a-9c3e-5a1f7e2b9d40"),
                                QStringLiteral("8f2c0002-4b6e-4d8a-9c3e-5a1f7e2b9d40"),
                                QStringLiteral("8f2c0003-4b6e-4d8a-9c3e-5a1f7e2b9d40")};
    central.start(profile, handlers);
    // Starting again (as after a reconnect request) is harmless.
    central.start(profile, handlers);
    vqtest::spin(200);
    EXPECT_FALSE(central.isAvailable());
    EXPECT_FALSE(central.isConnected());
    central.write(QByteArray::fromHex("0da54d04014c")); // nothing to write to: dropped
    central.stop();
    vqtest::spin(20);
    EXPECT_EQ(calls, 0);
}

TEST(QtBleCentralTest, AFailedScanIsRepeatedWithADoublingCappedBackOffUntilStopped)
{
    QtBleCentral central;
    central.setRescanDelaysForTests(20, 80);
    std::vector<std::pair<int, qint64>> scheduled; // the wait, and when it was scheduled
    QElapsedTimer clock;
    clock.start();
    central.setRescanObserverForTests(
        [&](int delayMs) { scheduled.emplace_back(delayMs, clock.elapsed()); });
    BleCentral::Profile profile{QStringLiteral("8f2c0001-4b6e-4d8a-9c3e-5a1f7e2b9d40"),
                                QStringLiteral("8f2c0002-4b6e-4d8a-9c3e-5a1f7e2b9d40"),
                                QStringLiteral("8f2c0003-4b6e-4d8a-9c3e-5a1f7e2b9d40")};
    // Without an adapter every look fails at once: each failure schedules exactly one more.
    central.start(profile, {});
    ASSERT_TRUE(vqtest::waitUntil([&] { return scheduled.size() >= 5; }, 5000));
    const std::vector<int> expected = {20, 40, 80, 80, 80};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(scheduled[i].first, expected[i]) << i;
        if (i > 0) { // the next look came no earlier than the wait (a coarse timer may fire 5 % early)
            EXPECT_GE(scheduled[i].second - scheduled[i - 1].second, scheduled[i - 1].first * 9 / 10) << i;
        }
    }
    EXPECT_GT(central.rescanDelayMs(), 0);

    central.stop();
    EXPECT_EQ(central.rescanDelayMs(), -1);
    const size_t afterStop = scheduled.size();
    vqtest::spin(200);
    EXPECT_EQ(scheduled.size(), afterStop);
    EXPECT_FALSE(central.isConnected());

    // Starting again begins with the shortest wait.
    central.start(profile, {});
    ASSERT_TRUE(vqtest::waitUntil([&] { return scheduled.size() > afterStop; }, 2000));
    EXPECT_EQ(scheduled[afterStop].first, 20);
    central.stop();
}

TEST(QtBleCentralTest, WithoutAnAdapterOnlyTheFirstMissIsLogged)
{
    QTemporaryDir logs;
    ASSERT_TRUE(mm::setupLogging(logs.path()));
    QtBleCentral central;
    central.setRescanDelaysForTests(5, 10);
    int looks = 0;
    central.setRescanObserverForTests([&looks](int) { ++looks; });
    central.start({QStringLiteral("8f2c0001-4b6e-4d8a-9c3e-5a1f7e2b9d40"), QStringLiteral("8f2c0002-4b6e-4d8a-9c3e-5a1f7e2b9d40"),
                   QStringLiteral("8f2c0003-4b6e-4d8a-9c3e-5a1f7e2b9d40")}, {});
    ASSERT_TRUE(vqtest::waitUntil([&] { return looks >= 8; }, 5000));
    central.stop();
    mm::flushLogs();
    QStringList lines;
    for (const QString& name : QDir(logs.path()).entryList(QDir::Files)) {
        QFile file(logs.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
            if (line.contains(QLatin1String("Bluetooth LE")))
                lines.append(line);
    }
    ASSERT_EQ(lines.size(), 1) << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(lines.first().contains(QLatin1String("no Bluetooth adapter"))) << lines.first().toStdString();
}
