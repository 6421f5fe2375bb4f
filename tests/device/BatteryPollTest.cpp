// The battery poll: a read of the battery at a fixed interval while a device is connected,
// nothing while none is (the interval is shortened for the test).
#include "DeviceTestFixture.h"

namespace {

constexpr int kShortIntervalMs = 100;
const QString kReadBattery = QStringLiteral("0da54d04054c");

class BatteryPollTest : public DeviceTest {
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        VQHidCommandManager::setBatteryPollIntervalForTests(kShortIntervalMs);
        VQBLEMouseCommandManager::setBatteryPollIntervalForTests(kShortIntervalMs);
    }

    int usbBatteryReads() const { return int(writtenHex().count(kReadBattery)); }
    int bleBatteryReads() const { return int(bleMouse.writtenHex().count(kReadBattery)); }

    static bool usbPolling() { return VQHidCommandManager::sharedInstance().isBatteryPollActive(); }
    static bool blePolling() { return VQBLEMouseCommandManager::sharedInstance().isBatteryPollActive(); }
};

} // namespace

TEST_F(BatteryPollTest, TheReceiverIsPolledWhileOpenAndNotAfterItIsGone)
{
    EXPECT_FALSE(usbPolling());
    plugAndSettle();
    EXPECT_TRUE(usbPolling());
    receiver.clearRecords();
    recorder->clear();
    receiver.device().values.batteryPercent = 41;

    vqtest::spin(4 * kShortIntervalMs + 50);
    const int reads = usbBatteryReads();
    // About four; fewer when a loaded machine delays the timer, never more than the time allows.
    EXPECT_GE(reads, 2);
    EXPECT_LE(reads, 5);
    EXPECT_EQ(writtenHex().size(), reads); // the poll reads nothing else
    EXPECT_GE(recorder->count(vq::HadElectricInfoNotification), 2);
    EXPECT_EQ(record().powerPercent(), 41.0);

    receiver.unplug();
    ASSERT_TRUE(vqtest::waitUntil([] { return !HIDDevice::sharedManager().isOpen(); }));
    EXPECT_FALSE(usbPolling());
    const int writes = int(receiver.written().size());
    vqtest::spin(3 * kShortIntervalMs);
    EXPECT_EQ(receiver.written().size(), writes);
}

TEST_F(BatteryPollTest, BluetoothTakesThePollOverAndHandsItBack)
{
    plugAndSettle();
    EXPECT_TRUE(usbPolling());

    VQBLEMouseCommandManager::sharedInstance().startScan();
    bleMouse.bringInReach();
    ASSERT_TRUE(vqtest::waitUntil([] { return VQBLEMouseCommandManager::sharedInstance().isConnected(); }));
    // One transport at a time, and one poll.
    EXPECT_FALSE(usbPolling());
    EXPECT_TRUE(blePolling());
    vqtest::spin(50);
    const int before = bleBatteryReads();
    vqtest::spin(3 * kShortIntervalMs + 50);
    EXPECT_GE(bleBatteryReads() - before, 2);

    bleMouse.takeAway();
    ASSERT_TRUE(vqtest::waitUntil([] { return !VQBLEMouseCommandManager::sharedInstance().isConnected(); }));
    EXPECT_FALSE(blePolling());
    // The receiver is opened again, and polled again.
    ASSERT_TRUE(vqtest::waitUntil([] { return HIDDevice::sharedManager().isOpen(); }));
    EXPECT_TRUE(usbPolling());
}
