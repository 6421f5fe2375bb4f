// The Qt Bluetooth central where there is no adapter or no Bluetooth service (as on the build
// machines): a normal state, never a failure the user sees.
#include "QtBleCentral.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

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
