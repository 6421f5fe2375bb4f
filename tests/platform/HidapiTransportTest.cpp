// The hidapi transport on a machine without receivers: failures are reported, never raised,
// and nothing is called inside the call that caused it.
#include "HidapiTransport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(HidapiTransportTest, OpeningAMissingDeviceFailsWithAReason)
{
    HidapiTransport transport;
    bool called = false;
    const auto onReport = [&called](const QByteArray&) { called = true; };
    const auto onError = [&called](const QString&) { called = true; };

    QString error;
    EXPECT_EQ(transport.open(QStringLiteral("/dev/hidraw-that-is-not-there"), onReport, onError, &error), 0);
    EXPECT_FALSE(error.isEmpty());
    vqtest::spin(20);
    EXPECT_FALSE(called);
}

TEST(HidapiTransportTest, WritesToAHandleThatIsNotOpenFailLater)
{
    HidapiTransport transport;
    int calls = 0;
    bool success = true;
    QString reason;
    transport.write(42, QByteArray::fromHex("0da54d04014c"), [&](bool ok, const QString& error, qint64) {
        ++calls;
        success = ok;
        reason = error;
    });
    EXPECT_EQ(calls, 0);
    ASSERT_TRUE(vqtest::waitUntil([&] { return calls == 1; }));
    EXPECT_FALSE(success);
    EXPECT_FALSE(reason.isEmpty());
    transport.close(42); // unknown handles are ignored
}

TEST(HidapiTransportTest, HotplugIsWatchedWithoutPollingAndStopsOnRequest)
{
    HidapiTransport transport;
    int events = 0;
    transport.watchHotplug([&events](bool, const QString&) { ++events; });
    // udev's monitor socket where udev is reachable; on this machine it is.
    EXPECT_TRUE(transport.hasUdevMonitor());
    transport.watchHotplug({});
    EXPECT_FALSE(transport.hasUdevMonitor());
    vqtest::spin(20);
    EXPECT_EQ(events, 0);
    for (const HidDeviceInfo& info : transport.enumerate())
        EXPECT_FALSE(info.path.isEmpty());
}
