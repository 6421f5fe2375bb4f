// The command facade and both managers driven through the simulated receiver and mouse: the
// bytes that leave, the read-backs, the record, the notifications and the event codes.
#include "DeviceTestFixture.h"

#include <functional>

namespace {

class VQMouseCommandManagerTest : public DeviceTest {
protected:
    VQMouseCommandManager& facade() { return VQMouseCommandManager::sharedInstance(); }

    // Plugs the receiver in, waits for the reads to be answered and forgets what happened so far.
    void openQuietly()
    {
        plugAndSettle();
        receiver.clearRecords();
        recorder->clear();
    }

    void connectBluetooth()
    {
        VQBLEMouseCommandManager::sharedInstance().startScan();
        bleMouse.bringInReach();
        ASSERT_TRUE(vqtest::waitUntil([] { return VQBLEMouseCommandManager::sharedInstance().isConnected(); }));
        ASSERT_TRUE(vqtest::waitUntil([this] { return bleMouse.writtenHex().size() >= 6; }));
        vqtest::spin(30);
    }
};

class LaserPenReceiverTest : public DeviceTest {
protected:
    LaserPenReceiverTest()
        : DeviceTest(SimulatedReceiver::laserPenReceiver())
    {
        receiver.device().values.deviceType = 2;
    }
};

class Plan2PenTest : public DeviceTest {
protected:
    Plan2PenTest()
        : DeviceTest(SimulatedReceiver::laserPenPlan2())
    {
        receiver.device().values.deviceType = 2;
    }
};

} // namespace

TEST_F(VQMouseCommandManagerTest, PluggingReadsTheReceiverIntoTheRecord)
{
    receiver.device().values.serialNumber = "SN-7788";
    receiver.device().values.batteryPercent = 64;
    receiver.device().values.dpiStep = 3;
    receiver.device().values.reportRate = 1000;
    plugAndSettle();

    EXPECT_EQ(writtenHex(), (QStringList{QStringLiteral("0da54d04014c"), QStringLiteral("0da54d04024c"),
                                         QStringLiteral("0da54d04034c"), QStringLiteral("0da54d04044c"),
                                         QStringLiteral("0da54d04054c"), QStringLiteral("0da54d04064c"),
                                         QStringLiteral("0da54d04074c"), QStringLiteral("0da54d04084c")}));
    EXPECT_TRUE(receiver.rejected().isEmpty()) << receiver.rejected().join(QLatin1Char('\n')).toStdString();

    const VQMouseInfoItem& item = record();
    EXPECT_EQ(item.deviceType(), 1);
    EXPECT_EQ(item.mouseType(), 41u);
    EXPECT_EQ(item.sensorType(), 3);
    EXPECT_EQ(item.connectState(), 1);
    EXPECT_EQ(item.sn(), QStringLiteral("SN-7788"));
    EXPECT_EQ(item.firmwareVersion(), QStringLiteral("12"));
    EXPECT_EQ(item.receiverVersion(), QStringLiteral("7"));
    EXPECT_EQ(item.batteryLevel(), 3);
    EXPECT_EQ(item.powerPercent(), 64.0);
    EXPECT_EQ(item.dpi(), 3);
    const VQUserInfoData& state = VQUserInfoData::sharedInstance();
    EXPECT_EQ(state.reportRate(), 1000);
    EXPECT_TRUE(state.funcSwitch());
    EXPECT_EQ(state.samplingRate(), 1);
    EXPECT_TRUE(state.isSupportKeySetting());
    EXPECT_EQ(state.productCode(), QStringLiteral("41"));

    ASSERT_FALSE(recorder->notifications.isEmpty());
    EXPECT_EQ(recorder->notifications.first(), QLatin1String(vq::kUSBInsertNotification));
    EXPECT_TRUE(recorder->saw(vq::HadUSBInfoNotification));
    EXPECT_EQ(recorder->count(vq::kUpdateFirmwareVersionNotification), 1);
    EXPECT_EQ(recorder->count(vq::HadElectricInfoNotification), 1);
    EXPECT_EQ(recorder->count(vq::kUpdateDPIItemNotification), 1);
    EXPECT_EQ(recorder->count(vq::kUpdateReportRateItemNotification), 1);
    EXPECT_EQ(recorder->count(vq::kUpdateFunctionNotification), 1);
    EXPECT_FALSE(recorder->saw(vq::kUpdateLightingEffectsNotification));
}

TEST_F(VQMouseCommandManagerTest, BatteryReportsReachTheRecord)
{
    openQuietly();
    receiver.sendBattery(1, 18);
    ASSERT_TRUE(vqtest::waitUntil([this] { return recorder->saw(vq::HadElectricInfoNotification); }));
    EXPECT_EQ(record().powerPercent(), 18.0);
    EXPECT_EQ(record().batteryLevel(), 1);

    // Asking again reads the battery.
    recorder->clear();
    facade().sendGetElectricData();
    ASSERT_TRUE(vqtest::waitUntil([this] { return recorder->saw(vq::HadElectricInfoNotification); }));
    EXPECT_EQ(writtenHex().last(), QStringLiteral("0da54d04054c"));
}

TEST_F(VQMouseCommandManagerTest, UnpluggingPostsRemovalAndClearsTheConnection)
{
    openQuietly();
    receiver.unplug();
    ASSERT_TRUE(vqtest::waitUntil([this] { return recorder->saw(vq::kUSBRemoveNotification); }));
    EXPECT_EQ(HIDDevice::sharedManager().currentVid(), 0);
    EXPECT_EQ(HIDDevice::sharedManager().currentPid(), 0);
    EXPECT_FALSE(VQUserInfoData::sharedInstance().isConnect());
    // Commands without a receiver leave nothing and do not fail loudly.
    receiver.clearRecords();
    facade().sendSetDpiData(2);
    vqtest::spin(60);
    EXPECT_TRUE(receiver.written().isEmpty());
}

TEST_F(VQMouseCommandManagerTest, SettingsLeaveTheTableBytesAndAreReadBack)
{
    receiver.device().values.mouseType = 56;
    openQuietly();

    struct Case {
        std::function<void()> send;
        const char* setFrame;
        QStringList readFrames;
        std::function<qint64()> recorded;
        qint64 expected;
        const char* notification;
    };
    VQMouseInfoItem& item = record();
    const Case cases[] = {
        {[this] { facade().sendSetDpiData(2); }, "0da54d0516024c", {"0da54d04064c"}, [&] { return item.dpi(); }, 2,
         vq::kUpdateDPIItemNotification},
        {[this] { facade().sendSetLightingEffectsModeData(2); }, "0da54d0519024c", {"0da54d04094c", "0da54d040c4c"},
         [&] { return item.lightingEffectsMode(); }, 2, vq::kUpdateLightingEffectsNotification},
        {[this] { facade().sendSetLightingEffectsBrightnessData(80); }, "0da54d051a504c", {"0da54d040a4c"},
         [&] { return item.lightingEffectsBrightness(); }, 80, vq::kUpdateLightingEffectsNotification},
        {[this] { facade().sendSetLightingEffectsSpeedData(4); }, "0da54d051b044c", {"0da54d040b4c"},
         [&] { return item.lightingEffectsSpeed(); }, 4, vq::kUpdateLightingEffectsNotification},
        {[this] { facade().sendSetLightingEffectsColorData(5); }, "0da54d051c054c", {"0da54d040c4c"},
         [&] { return item.lightingEffectsColor(); }, 5, vq::kUpdateLightingEffectsNotification},
        {[this] { facade().sendSetMouseLeftOrRightHandBehaviorData(1); }, "0da54d051d014c", {"0da54d040d4c"},
         [&] { return item.mouseLeftOrRightHandBehavior(); }, 1, vq::kUpdateMouseLeftOrRightHandBehaviorNotification},
    };
    for (const Case& c : cases) {
        receiver.clearRecords();
        recorder->clear();
        c.send();
        // Nothing changes before the device confirms.
        EXPECT_NE(c.recorded(), c.expected) << c.setFrame;
        ASSERT_TRUE(vqtest::waitUntil([&] { return recorder->notifications.size() >= c.readFrames.size(); })) << c.setFrame;
        vqtest::spin(HIDDevice::kSendIntervalMs);
        EXPECT_EQ(writtenHex(), QStringList{QLatin1String(c.setFrame)} + c.readFrames);
        EXPECT_EQ(c.recorded(), c.expected) << c.setFrame;
        EXPECT_EQ(recorder->notifications, QStringList(c.readFrames.size(), QLatin1String(c.notification)));
        vqtest::spin(HIDDevice::kSendIntervalMs);
    }
    EXPECT_TRUE(receiver.rejected().isEmpty()) << receiver.rejected().join(QLatin1Char('\n')).toStdString();
}

TEST_F(VQMouseCommandManagerTest, LightingMiceAreReadBackAfterDeviceInformation)
{
    SimulatedDevice::Values& values = receiver.device().values;
    values.lightingMode = 3;
    values.lightingBrightness = 64;
    values.lightingSpeed = 5;
    values.lightingColor = 7;
    values.hand = 1;
    for (int mouseType : {56, 72}) {
        values.mouseType = mouseType;
        plugAndSettle();
        const QStringList written = writtenHex();
        ASSERT_EQ(written.size(), 13) << mouseType;
        EXPECT_EQ(written.mid(8), (QStringList{QStringLiteral("0da54d04094c"), QStringLiteral("0da54d040a4c"),
                                                 QStringLiteral("0da54d040b4c"), QStringLiteral("0da54d040c4c"),
                                                 QStringLiteral("0da54d040d4c")}));
        EXPECT_EQ(record().lightingEffectsMode(), 3);
        EXPECT_EQ(record().lightingEffectsBrightness(), 64);
        EXPECT_EQ(record().lightingEffectsSpeed(), 5);
        EXPECT_EQ(record().lightingEffectsColor(), 7);
        EXPECT_EQ(record().mouseLeftOrRightHandBehavior(), 1);
        EXPECT_EQ(recorder->count(vq::kUpdateLightingEffectsNotification), 4);
        EXPECT_EQ(recorder->count(vq::kUpdateMouseLeftOrRightHandBehaviorNotification), 1);

        receiver.unplug();
        ASSERT_TRUE(vqtest::waitUntil([] { return !HIDDevice::sharedManager().isOpen(); }));
        receiver.clearRecords();
        recorder->clear();
    }
}

TEST_F(VQMouseCommandManagerTest, ARefusedSettingShowsWhatTheDeviceKept)
{
    openQuietly();
    receiver.device().refuseSettings = true;
    const qint64 before = record().lightingEffectsColor();
    facade().sendSetLightingEffectsColorData(6);
    ASSERT_TRUE(vqtest::waitUntil([this] { return recorder->saw(vq::kUpdateLightingEffectsNotification); }));
    EXPECT_EQ(record().lightingEffectsColor(), receiver.device().values.lightingColor);
    EXPECT_NE(record().lightingEffectsColor(), 6);
    EXPECT_NE(before, 6);
}

TEST_F(VQMouseCommandManagerTest, ValuesOutsideTheRangesSendNothing)
{
    openQuietly();
    facade().sendSetDpiData(16);
    facade().sendSetLightingEffectsBrightnessData(0);
    facade().sendSetLightingEffectsBrightnessData(101);
    facade().sendSetLightingEffectsSpeedData(0);
    facade().sendSetLightingEffectsColorData(9);
    facade().sendSetLightingEffectsModeData(-1);
    facade().sendSetMouseLeftOrRightHandBehaviorData(2);
    facade().sendKeyCommandDataKeyCode1(300, 4);
    VQHidCommandManager::sharedInstance().sendTelinkLaserPenCountdownData(-5);
    VQHidCommandManager::sharedInstance().modifyReturnRate(0); // no choices known
    vqtest::spin(80);
    EXPECT_TRUE(receiver.written().isEmpty());
}

TEST_F(VQMouseCommandManagerTest, LateGarbageAndSilentAnswers)
{
    openQuietly();
    const qint64 dpi = record().dpi();

    receiver.setAnswerMode(SimulatedDevice::AnswerMode::Garbage);
    const int ignoredBefore = VQHidCommandManager::sharedInstance().reportHandler().ignoredCount();
    facade().sendSetDpiData(4);
    facade().sendSetLightingEffectsSpeedData(2);
    facade().sendGetElectricData();
    ASSERT_TRUE(vqtest::waitUntil([ignoredBefore] {
        return VQHidCommandManager::sharedInstance().reportHandler().ignoredCount() - ignoredBefore == 3;
    }));
    vqtest::spin(HIDDevice::kSendIntervalMs);
    EXPECT_EQ(VQHidCommandManager::sharedInstance().reportHandler().ignoredCount() - ignoredBefore, 3);
    EXPECT_TRUE(recorder->notifications.isEmpty());
    EXPECT_EQ(record().dpi(), dpi);
    EXPECT_TRUE(HIDDevice::sharedManager().isOpen());

    receiver.setAnswerMode(SimulatedDevice::AnswerMode::Silent);
    facade().sendSetDpiData(5);
    vqtest::spin(200);
    EXPECT_TRUE(recorder->notifications.isEmpty());
    EXPECT_TRUE(HIDDevice::sharedManager().isOpen());

    // A late answer still arrives and is taken.
    receiver.setAnswerMode(SimulatedDevice::AnswerMode::Late);
    facade().sendSetDpiData(6);
    vqtest::spin(150);
    EXPECT_FALSE(recorder->saw(vq::kUpdateDPIItemNotification));
    ASSERT_TRUE(vqtest::waitUntil([this] { return recorder->saw(vq::kUpdateDPIItemNotification); }, 3000));
    EXPECT_EQ(record().dpi(), 6);
}

TEST_F(VQMouseCommandManagerTest, VoiceKeysReachTheHubAsEventCodes)
{
    openQuietly();
    receiver.sendKey(33);
    receiver.sendKey(34);
    receiver.sendKey(30); // mode key: translation mode
    receiver.sendKey(33);
    receiver.sendKey(34);
    receiver.sendKey(35);
    receiver.sendKey(36);
    receiver.sendKey(30); // back to typing
    receiver.sendKey(33);
    receiver.sendKey(50);
    receiver.sendKey(62);
    receiver.sendKey(45);   // no such key
    receiver.sendKey(0x84); // AI helper key
    ASSERT_TRUE(vqtest::waitUntil([this] { return recorder->aiKeys.size() == 1; }));
    vqtest::spin(20);
    EXPECT_EQ(recorder->eventCodes, (std::vector<int>{33, 34, 31, 37, 38, 35, 36, 30, 33, 50, 62}));
    EXPECT_EQ(recorder->cancelCount, 2);
    EXPECT_FALSE(VQDeviceEvents::isTranslate());
    EXPECT_EQ(recorder->aiKeys, std::vector<int>{0x84});
    EXPECT_TRUE(recorder->penSignals.empty());
    EXPECT_TRUE(recorder->notifications.isEmpty());

    // The screenshot keys reach the screenshot hook, only while a device is connected.
    receiver.sendKey(0x80);
    receiver.sendKey(0x83);
    receiver.sendKey(0x84);
    ASSERT_TRUE(vqtest::waitUntil([this] { return recorder->aiKeys.size() == 2; }));
    EXPECT_EQ(recorder->screenshots, 2);
    VQUserInfoData::sharedInstance().setIsConnect(false);
    receiver.sendKey(0x80);
    receiver.sendKey(0x84);
    ASSERT_TRUE(vqtest::waitUntil([this] { return recorder->aiKeys.size() == 3; }));
    EXPECT_EQ(recorder->screenshots, 2);
    EXPECT_EQ(recorder->eventCodes.size(), 11u);
}

TEST_F(VQMouseCommandManagerTest, ActionsAndReceiverCommandsLeaveTheirFrames)
{
    openQuietly();
    VQUserInfoData::sharedInstance().setReportRateArr({QStringLiteral("125"), QStringLiteral("500"),
                                                      QStringLiteral("1000")});
    facade().sendKeyCommandDataKeyCode1(8, 25);
    facade().sendKeyCommandDataKeyCode1(0, 40);
    facade().sendOpenMicData();
    facade().sendCloseMicData();
    facade().sendOpenLedData();
    facade().sendCloseLedData();
    facade().sendResetKeyStatusData();
    VQHidCommandManager& usb = VQHidCommandManager::sharedInstance();
    usb.sendOpenRGBData();
    usb.sendCloseRGBData();
    usb.sendGetXunFeiChipDeviceInfoData();
    usb.modifyReturnRate(2);
    usb.modifyReturnRate(3); // no such choice
    ASSERT_TRUE(vqtest::waitUntil([this] { return recorder->saw(vq::kUpdateReportRateItemNotification); }, 3000));
    settle();

    EXPECT_EQ(writtenHex(), (QStringList{QStringLiteral("0da54d062201194c"), QStringLiteral("0da54d062200284c"),
                                         QStringLiteral("0da54d04204c"), QStringLiteral("0da54d04214c"),
                                         QStringLiteral("0da54d04234c"), QStringLiteral("0da54d04244c"),
                                         QStringLiteral("0da54d04254c"), QStringLiteral("0da54d04264c"),
                                         QStringLiteral("0da54d040e4c"), QStringLiteral("0da54d0517024c"),
                                         QStringLiteral("0da54d04074c")}));
    // On Linux the device types Control+V for the paste chord; Enter is unchanged.
    EXPECT_EQ(receiver.device().typedKeys, (QList<QPair<int, int>>{{0x01, 25}, {0, 40}}));
    // The rate leaves as the index of the chosen entry; the device reads it back in hertz.
    EXPECT_EQ(receiver.device().values.reportRate, 1000);
    EXPECT_EQ(VQUserInfoData::sharedInstance().reportRate(), 1000);
    EXPECT_EQ(recorder->chipInfo, QStringList{QStringLiteral("XF-0001")});
    EXPECT_TRUE(receiver.rejected().isEmpty()) << receiver.rejected().join(QLatin1Char('\n')).toStdString();
}

// A mouse receiver knows no laser-pen command: each leaves as a report of zeros, and a receiver
// that refuses those is not taken for removed: the next command still reaches it.
TEST_F(VQMouseCommandManagerTest, LaserPenCommandsReachAMouseReceiverAsReportsOfZeros)
{
    openQuietly();
    for (const bool refused : {false, true}) {
        SCOPED_TRACE(refused ? "refused" : "taken");
        receiver.refuseZeroReports = refused;
        VQUserInfoData::sharedInstance().setIsSupportKeySetting(true);
        facade().sendLaserPenModeData(2);
        facade().sendLaserPenEnterMouseStatusData();
        facade().sendLaserPenQuitMouseStatusData();
        facade().sendOpenLedData();
        settle();
        ASSERT_EQ(receiver.written().size(), 4);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(receiver.written().at(i).report, QByteArray(33, '\0')) << i;
        EXPECT_EQ(receiver.zeroReports(), refused ? 0 : 3);
        EXPECT_EQ(receiver.receivedHex(), QStringList{QStringLiteral("0da54d04234c")});
        EXPECT_TRUE(HIDDevice::sharedManager().isOpen());
        EXPECT_FALSE(recorder->saw(vq::kUSBRemoveNotification));
        receiver.clearRecords();
        recorder->clear();
    }
}

TEST_F(LaserPenReceiverTest, PenKeysCommandsAndTheZeroReport)
{
    plugAndSettle();
    EXPECT_EQ(record().deviceType(), 2);
    ASSERT_GE(recorder->penSignals.size(), 2u);
    EXPECT_EQ(recorder->penSignals.front().kind, VQDeviceEvents::LaserPenSignal::Kind::ReceiverOpened);
    EXPECT_EQ(recorder->penSignals.at(1).kind, VQDeviceEvents::LaserPenSignal::Kind::DeviceState);
    EXPECT_TRUE(recorder->penSignals.at(1).isLaserPen);
    EXPECT_EQ(recorder->penSignals.at(1).state, 1);
    receiver.clearRecords();
    recorder->clear();

    receiver.sendKey(64);
    receiver.sendKey(69);
    receiver.sendKey(70);
    receiver.sendKey(37);
    receiver.sendKey(38);
    receiver.sendKey(76);
    receiver.sendKey(32);
    receiver.sendPenEvent(0x92, 0);
    ASSERT_TRUE(vqtest::waitUntil([this] { return recorder->penSignals.size() == 8; }));
    using Key = VQDeviceProtocol::PenKey;
    const Key expected[] = {Key::ModeKey,      Key::EffectPressed, Key::EffectReleased, Key::VoicePressed,
                            Key::VoiceReleased, Key::ClearKey,      Key::VoiceModeKey,   Key::EffectToggle};
    for (size_t i = 0; i < 8; ++i)
        EXPECT_EQ(recorder->penSignals[i].key, expected[i]) << i;
    // The pen's voice key goes to the laser-pen manager, which knows its voice mode.
    EXPECT_TRUE(recorder->eventCodes.empty());

    VQMouseCommandManager& facade = VQMouseCommandManager::sharedInstance();
    VQHidCommandManager& usb = VQHidCommandManager::sharedInstance();
    facade.sendLaserPenModeData(2); // plan 6 has no mode command: a report of zeros
    facade.sendLaserPenEnterMouseStatusData();
    usb.sendTelinkLaserPenOpenHardLaserData();
    usb.sendTelinkLaserPenCountdownData(300);
    facade.sendLaserPenQuitMouseStatusData();
    usb.sendTelinkLaserPenCloseHardLaserData();
    settle();
    EXPECT_EQ(receiver.penCommands(),
              (QStringList{QStringLiteral("0c4d04b04c"), QStringLiteral("0c4d04b44c"), QStringLiteral("0c4d06ff012c4c"),
                           QStringLiteral("0c4d04b14c"), QStringLiteral("0c4d04b54c")}));
    EXPECT_EQ(receiver.zeroReports(), 3);
    EXPECT_EQ(writtenHex().at(0), QString());
    EXPECT_EQ(writtenHex().at(2), QString()); // the report of zeros right behind pointer mode on
    EXPECT_TRUE(receiver.rejected().isEmpty()) << receiver.rejected().join(QLatin1Char('\n')).toStdString();

    // Without key-setting support the pen is not taken out of pointer mode.
    receiver.clearRecords();
    VQUserInfoData::sharedInstance().setIsSupportKeySetting(false);
    facade.sendLaserPenQuitMouseStatusData();
    vqtest::spin(80);
    EXPECT_TRUE(receiver.written().isEmpty());

    receiver.unplug();
    ASSERT_TRUE(vqtest::waitUntil([this] { return recorder->saw(vq::kUSBRemoveNotification); }));
    EXPECT_EQ(recorder->penSignals.back().kind, VQDeviceEvents::LaserPenSignal::Kind::ReceiverRemoved);
}

TEST_F(Plan2PenTest, ModeAndPointerFramesOfPlan2)
{
    plugAndSettle();
    receiver.clearRecords();
    VQMouseCommandManager& facade = VQMouseCommandManager::sharedInstance();
    facade.sendLaserPenModeData(2);
    facade.sendLaserPenEnterMouseStatusData();
    facade.sendLaserPenQuitMouseStatusData();
    // The pen's laser commands go out in plan 6's frame whatever the receiver; this one ignores them.
    VQHidCommandManager::sharedInstance().sendTelinkLaserPenOpenHardLaserData();
    settle();
    EXPECT_EQ(receiver.penCommands(), (QStringList{QStringLiteral("0da54d05aa024c"), QStringLiteral("0da54d04ab4c"),
                                                   QStringLiteral("0da54d04ac4c")}));
    EXPECT_EQ(receiver.zeroReports(), 0);
    EXPECT_EQ(receiver.foreignReports(), 1);
    EXPECT_TRUE(HIDDevice::sharedManager().isOpen());

    recorder->clear();
    receiver.sendPenEvent(0x9A, 1);
    receiver.sendPenEvent(0x9A, 0);
    ASSERT_TRUE(vqtest::waitUntil([this] { return recorder->penSignals.size() == 2; }));
    EXPECT_EQ(recorder->penSignals.front().key, VQDeviceProtocol::PenKey::VoicePressed);
    EXPECT_EQ(recorder->penSignals.back().key, VQDeviceProtocol::PenKey::VoiceReleased);
    EXPECT_TRUE(recorder->eventCodes.empty());
}

TEST_F(VQMouseCommandManagerTest, TheFacadeFollowsTheBluetoothConnection)
{
    plugAndSettle();
    recorder->clear();
    receiver.clearRecords();

    connectBluetooth();
    EXPECT_FALSE(HIDDevice::sharedManager().isOpen());
    EXPECT_FALSE(receiver.isOpen());
    const VQUserInfoData& state = VQUserInfoData::sharedInstance();
    EXPECT_TRUE(state.bleConnect());
    EXPECT_TRUE(state.isConnect());
    EXPECT_EQ(state.chipPlan(), 1);
    ASSERT_EQ(recorder->count(vq::kBleConnectNotification), 1);
    EXPECT_EQ(recorder->objects.at(recorder->notifications.indexOf(QLatin1String(vq::kBleConnectNotification))),
              QVariant(true));
    EXPECT_FALSE(recorder->saw(vq::kUSBRemoveNotification));
    // The mouse is read like a receiver, without the receiver version.
    EXPECT_EQ(bleMouse.writtenHex().mid(0, 6),
              (QStringList{QStringLiteral("0da54d04014c"), QStringLiteral("0da54d04024c"),
                           QStringLiteral("0da54d04034c"), QStringLiteral("0da54d04054c"),
                           QStringLiteral("0da54d04064c"), QStringLiteral("0da54d04084c")}));
    EXPECT_EQ(record().deviceType(), 0);
    EXPECT_EQ(record().powerPercent(), 75.0);

    // Commands go over Bluetooth, unpadded; the read-back comes back the same way.
    bleMouse.clearRecords();
    recorder->clear();
    VQMouseCommandManager& facade = VQMouseCommandManager::sharedInstance();
    facade.sendSetDpiData(4);
    ASSERT_TRUE(vqtest::waitUntil([this] { return recorder->saw(vq::kUpdateDPIItemNotification); }));
    EXPECT_EQ(record().dpi(), 4);
    facade.sendKeyCommandDataKeyCode1(8, 25);
    VQUserInfoData::sharedInstance().setIsSupportKeySetting(true);
    facade.sendLaserPenModeData(1);
    facade.sendLaserPenEnterMouseStatusData();
    facade.sendLaserPenQuitMouseStatusData();
    // Receiver commands never go over Bluetooth.
    VQHidCommandManager& usb = VQHidCommandManager::sharedInstance();
    VQUserInfoData::sharedInstance().setReportRateArr({QStringLiteral("500")});
    usb.modifyReturnRate(0);
    usb.sendOpenRGBData();
    usb.sendGetXunFeiChipDeviceInfoData();
    usb.sendTelinkLaserPenOpenHardLaserData();
    vqtest::spin(80);
    EXPECT_EQ(bleMouse.writtenHex(),
              (QStringList{QStringLiteral("0da54d0516044c"), QStringLiteral("0da54d04064c"),
                           QStringLiteral("0da54d062201194c"), QStringLiteral("0da54d05aa014c"),
                           QStringLiteral("0da54d04ab4c"), QStringLiteral("0da54d04ac4c")}));
    EXPECT_EQ(bleMouse.penCommands(), (QStringList{QStringLiteral("0da54d05aa014c"), QStringLiteral("0da54d04ab4c"),
                                                   QStringLiteral("0da54d04ac4c")}));
    EXPECT_TRUE(bleMouse.rejected().isEmpty()) << bleMouse.rejected().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(receiver.written().isEmpty());

    // Keys of the mouse reach the hub; the manager keeps its copy of the press type.
    bleMouse.sendKey(33);
    ASSERT_TRUE(vqtest::waitUntil([this] { return !recorder->eventCodes.empty(); }));
    EXPECT_EQ(recorder->eventCodes, std::vector<int>{33});
    EXPECT_EQ(VQBLEMouseCommandManager::sharedInstance().pressType(), 33);

    // The mouse goes away: the receiver is opened again and takes the commands.
    recorder->clear();
    bleMouse.takeAway();
    ASSERT_TRUE(vqtest::waitUntil([] { return HIDDevice::sharedManager().isOpen(); }));
    EXPECT_FALSE(state.bleConnect());
    EXPECT_EQ(recorder->cancelCount, 1);
    EXPECT_EQ(recorder->notifications.first(), QLatin1String(vq::kBleConnectNotification));
    EXPECT_EQ(recorder->objects.first(), QVariant(false));
    EXPECT_TRUE(recorder->saw(vq::kUSBInsertNotification));
    EXPECT_EQ(VQBLEMouseCommandManager::sharedInstance().pressType(), 0);
    settle();
    receiver.clearRecords();
    bleMouse.clearRecords();
    facade.sendSetDpiData(5);
    settle();
    EXPECT_EQ(writtenHex().value(0), QStringLiteral("0da54d0516054c"));
    EXPECT_TRUE(bleMouse.writtenHex().isEmpty());
}

TEST_F(VQMouseCommandManagerTest, BluetoothGarbageChangesNothing)
{
    connectBluetooth();
    recorder->clear();
    const qint64 dpi = record().dpi();
    bleMouse.sendRaw(QByteArray::fromHex("0da54d0506"));           // cut off
    bleMouse.sendRaw(QByteArray::fromHex("0da54d050610"));         // no end, step 16
    bleMouse.sendRaw(QByteArray::fromHex("0da54d0506104c"));       // step 16
    bleMouse.sendRaw(QByteArray::fromHex("0ca54d0506024c"));       // another report id
    bleMouse.sendRaw(QByteArray());
    bleMouse.setAnswerMode(SimulatedDevice::AnswerMode::Garbage);
    VQMouseCommandManager::sharedInstance().sendSetDpiData(7);
    ASSERT_TRUE(vqtest::waitUntil(
        [] { return VQBLEMouseCommandManager::sharedInstance().reportHandler().ignoredCount() == 6; }));
    vqtest::spin(50);
    EXPECT_TRUE(recorder->notifications.isEmpty());
    EXPECT_EQ(record().dpi(), dpi);
    EXPECT_EQ(VQBLEMouseCommandManager::sharedInstance().reportHandler().ignoredCount(), 6);
    EXPECT_TRUE(VQBLEMouseCommandManager::sharedInstance().isConnected());
}
