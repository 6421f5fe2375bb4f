// The firmware transfer through the simulated receiver and Bluetooth LE mouse: progress,
// success, the device's failures and cancels, unplugging, silence, bad files, one at a time.
#include "OTATestFixture.h"

namespace {

using Fault = SimulatedFirmwareUpdate::Fault;

class VQOTATransferTest : public OTATest {
protected:
    VQMouseCommandManager& facade() { return VQMouseCommandManager::sharedInstance(); }
    SimulatedFirmwareUpdate& firmware() { return receiver.device().firmware; }

    void openReceiver()
    {
        plugAndSettle();
        receiver.clearRecords();
        ota.clear();
        progress.clear();
    }
};

} // namespace

TEST_F(VQOTATransferTest, DeviceFirmwareIsSentPacketByPacketWithRisingProgress)
{
    const QByteArray bytes = image(130); // 6 packets of 25 bytes on plan 1, the last of 5
    const QString path = storeFile(firmwareText(bytes));
    openReceiver();
    ASSERT_TRUE(VQOTAUpdateManager::sharedInstance().needUpdate());

    facade().sendStartOTAData();
    ASSERT_TRUE(waitForOutcome());
    EXPECT_EQ(outcomes(), QStringList{name(vq::kUpdateOTASuccessNotification)});
    EXPECT_EQ(progress, (QList<int>{0, 16, 33, 50, 66, 83}));
    EXPECT_TRUE(receiver.rejected().isEmpty()) << receiver.rejected().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(firmware().installedImage[0], bytes);
    EXPECT_EQ(firmware().packetSizes, (QList<int>{25, 25, 25, 25, 25, 5}));
    EXPECT_EQ(transferFrames().first(), QStringLiteral("0da54d0d4000000000820006%1").arg(
                                            SimulatedFirmwareUpdate::crc16(bytes), 4, 16, QLatin1Char('0'))
                                            + QStringLiteral("4c"));
    // The installed firmware's file is gone.
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(VQOTAUpdateManager::sharedInstance().needUpdate());
    EXPECT_FALSE(VQOTATransfer::sharedInstance().isRunning());
}

TEST_F(VQOTATransferTest, ReceiverFirmwareGoesOverUsbOnlyAndTheMouseTakesItsOwn)
{
    const QByteArray receiverImage = image(60);
    storeFile(firmwareText(receiverImage), true);
    openReceiver();
    facade().sendStartOTADongleData();
    ASSERT_TRUE(waitForOutcome());
    EXPECT_EQ(outcomes(), QStringList{name(vq::kUpdateOTASuccessNotification)});
    EXPECT_EQ(firmware().installedImage[1], receiverImage);
    EXPECT_FALSE(VQOTAUpdateManager::sharedInstance().needUpdateDongle());

    // Over Bluetooth LE: the receiver's transfer sends and posts nothing; the mouse's runs.
    const QByteArray mouseImage = image(80);
    storeFile(firmwareText(mouseImage));
    storeFile(firmwareText(receiverImage), true);
    VQBLEMouseCommandManager::sharedInstance().startScan();
    bleMouse.bringInReach();
    ASSERT_TRUE(vqtest::waitUntil([] { return VQBLEMouseCommandManager::sharedInstance().isConnected(); }));
    vqtest::spin(50);
    bleMouse.clearRecords();
    ota.clear();
    progress.clear();
    facade().sendStartOTADongleData();
    vqtest::spin(100);
    EXPECT_TRUE(bleMouse.writtenHex().isEmpty());
    EXPECT_TRUE(ota.isEmpty());

    facade().sendStartOTAData();
    ASSERT_TRUE(waitForOutcome());
    EXPECT_EQ(outcomes(), QStringList{name(vq::kUpdateOTASuccessNotification)});
    EXPECT_EQ(progress, (QList<int>{0, 25, 50, 75}));
    EXPECT_EQ(bleMouse.device().firmware.installedImage[0], mouseImage);
    EXPECT_TRUE(bleMouse.rejected().isEmpty()) << bleMouse.rejected().join(QLatin1Char('\n')).toStdString();
}

TEST_F(VQOTATransferTest, CancelStopsThePacketsAndEndsWithTheCancelNotification)
{
    storeFile(firmwareText(image(250)));
    openReceiver();
    NotificationCenter::defaultCenter().addObserver(
        &receiver, QString::fromLatin1(vq::kUpdateOTAProgressNotification), [this](const VQNotification& n) {
            if (n.object.toInt() == 20) // packet 2 of 10
                facade().sendCancelOTAData();
        });
    facade().sendStartOTAData();
    ASSERT_TRUE(waitForOutcome());
    vqtest::spin(200);
    EXPECT_EQ(outcomes(), QStringList{name(vq::kUpdateOTACancelNotification)});
    EXPECT_EQ(progress, (QList<int>{0, 10, 20}));
    EXPECT_EQ(transferFrames().last(), QStringLiteral("0da54d0543004c"));
    EXPECT_EQ(firmware().cancels, 1);
    EXPECT_EQ(firmware().installs, 0);
    EXPECT_TRUE(VQOTAUpdateManager::sharedInstance().needUpdate()); // the file is kept for another try
}

TEST_F(VQOTATransferTest, TheDevicesFailuresAndItsOwnCancelEndTheTransfer)
{
    const std::pair<Fault, const char*> cases[] = {
        {Fault::RefuseStart, vq::kUpdateOTAFailNotification},
        {Fault::FailPacket, vq::kUpdateOTAFailNotification},
        {Fault::RejectImage, vq::kUpdateOTAFailNotification},
        {Fault::CancelAtPacket, vq::kUpdateOTACancelNotification},
    };
    openReceiver();
    for (const auto& [fault, expected] : cases) {
        storeFile(firmwareText(image(100)));
        firmware() = SimulatedFirmwareUpdate();
        firmware().fault = fault;
        firmware().faultPacket = 2;
        ota.clear();
        facade().sendStartOTAData();
        ASSERT_TRUE(waitForOutcome()) << int(fault);
        vqtest::spin(120);
        EXPECT_EQ(outcomes(), QStringList{name(expected)}) << int(fault);
        EXPECT_EQ(firmware().installs, 0);
        EXPECT_FALSE(VQOTATransfer::sharedInstance().isRunning());
    }
    EXPECT_TRUE(receiver.rejected().isEmpty()) << receiver.rejected().join(QLatin1Char('\n')).toStdString();
}

TEST_F(VQOTATransferTest, ADeviceThatVanishesOrFallsSilentFailsNeverSucceeds)
{
    storeFile(firmwareText(image(200)));
    openReceiver();
    firmware().packetObserver = [this](int index) {
        if (index == 3)
            receiver.unplug();
    };
    facade().sendStartOTAData();
    ASSERT_TRUE(waitForOutcome());
    vqtest::spin(300);
    EXPECT_EQ(outcomes(), QStringList{name(vq::kUpdateOTAFailNotification)});

    // The Bluetooth LE mouse taken away mid-way.
    storeFile(firmwareText(image(200)));
    VQBLEMouseCommandManager::sharedInstance().startScan();
    bleMouse.bringInReach();
    ASSERT_TRUE(vqtest::waitUntil([] { return VQBLEMouseCommandManager::sharedInstance().isConnected(); }));
    bleMouse.device().firmware.packetObserver = [this](int index) {
        if (index == 2)
            bleMouse.takeAway();
    };
    ota.clear();
    facade().sendStartOTAData();
    ASSERT_TRUE(waitForOutcome());
    vqtest::spin(100);
    EXPECT_EQ(outcomes(), QStringList{name(vq::kUpdateOTAFailNotification)});

    // A device that stops answering: the reply time-out ends it.
    bleMouse.device().firmware = SimulatedFirmwareUpdate();
    bleMouse.device().firmware.fault = Fault::SilentAtPacket;
    bleMouse.device().firmware.faultPacket = 1;
    bleMouse.bringInReach();
    ASSERT_TRUE(vqtest::waitUntil([] { return VQBLEMouseCommandManager::sharedInstance().isConnected(); }));
    VQOTATransfer::sharedInstance().setReplyTimeoutMs(200);
    ota.clear();
    facade().sendStartOTAData();
    ASSERT_TRUE(waitForOutcome());
    EXPECT_EQ(outcomes(), QStringList{name(vq::kUpdateOTAFailNotification)});
    EXPECT_EQ(bleMouse.device().firmware.installs, 0);
}

TEST_F(VQOTATransferTest, MissingEmptyOrMalformedFilesAreRefusedBeforeTheFirstFrame)
{
    openReceiver();
    // No file at all.
    facade().sendStartOTAData();
    ASSERT_TRUE(waitForOutcome());
    EXPECT_EQ(outcomes(), QStringList{name(vq::kUpdateOTAFailNotification)});
    for (const QByteArray& text : {QByteArray(), QByteArray("\n\n"), QByteArray("01\n02\n<html>\n"), QByteArray("1ff\n")}) {
        storeFile(text);
        ota.clear();
        facade().sendStartOTAData();
        ASSERT_TRUE(waitForOutcome()) << text.constData();
        EXPECT_EQ(outcomes(), QStringList{name(vq::kUpdateOTAFailNotification)}) << text.constData();
        EXPECT_FALSE(VQOTATransfer::sharedInstance().isRunning());
    }
    // A file stored for a device while no receiver is open.
    storeFile(firmwareText(image(10)));
    receiver.unplug();
    ASSERT_TRUE(vqtest::waitUntil([] { return !HIDDevice::sharedManager().isOpen(); }));
    ota.clear();
    facade().sendStartOTAData();
    ASSERT_TRUE(waitForOutcome());
    EXPECT_EQ(outcomes(), QStringList{name(vq::kUpdateOTAFailNotification)});
    vqtest::spin(100);
    EXPECT_TRUE(transferFrames().isEmpty());
    EXPECT_TRUE(progress.isEmpty());
}

TEST_F(VQOTATransferTest, TheLargestFileIsReadOffTheMainThreadBeforeTheStartLeaves)
{
    // 60 image bytes, each on a line padded with blanks to the largest file plan 1 takes.
    const qint64 fileBytes = VQFirmwareFile::maxFileBytes(VQOTAProtocol::maxImageBytes(*VQDeviceProtocol::chipPlan(1)));
    const QByteArray bytes = image(60);
    const qsizetype lineBytes = fileBytes / bytes.size();
    QByteArray text;
    text.reserve(fileBytes);
    for (char c : bytes) {
        QByteArray line = QByteArray::number(quint8(c), 16).rightJustified(2, '0');
        line.append(QByteArray(lineBytes - line.size() - 1, ' '));
        text += line + '\n';
    }
    text.append(QByteArray(fileBytes - text.size(), '\n'));
    ASSERT_EQ(text.size(), fileBytes);
    storeFile(text);
    openReceiver();

    facade().sendStartOTAData();
    // The call only started the reading: nothing has left yet, and a second start is refused.
    EXPECT_TRUE(transferFrames().isEmpty());
    EXPECT_TRUE(VQOTATransfer::sharedInstance().isRunning());
    EXPECT_FALSE(VQOTATransfer::sharedInstance().start(VQDeviceProtocol::Link::Usb, VQOTATransfer::Target::Device));
    ASSERT_TRUE(waitForOutcome());
    EXPECT_EQ(outcomes(), QStringList{name(vq::kUpdateOTASuccessNotification)});
    EXPECT_EQ(progress, (QList<int>{0, 33, 66}));
    EXPECT_EQ(firmware().installedImage[0], bytes);
}

TEST_F(VQOTATransferTest, CancellingTheReceiverUpdateDuringTheDeviceUpdateSendsTheReceiverCancel)
{
    storeFile(firmwareText(image(250)));
    storeFile(firmwareText(image(40)), true);
    openReceiver();
    NotificationCenter::defaultCenter().addObserver(
        &receiver, QString::fromLatin1(vq::kUpdateOTAProgressNotification), [this](const VQNotification& n) {
            if (n.object.toInt() == 20)
                facade().sendCancelOTADongleData();
        });
    facade().sendStartOTAData();
    ASSERT_TRUE(waitForOutcome());
    vqtest::spin(200);
    EXPECT_TRUE(transferFrames().contains(QStringLiteral("0da54d0543014c"))) << transferFrames().join(' ').toStdString();
    EXPECT_FALSE(transferFrames().contains(QStringLiteral("0da54d0543004c")));
    // The device took it as the end of its transfer.
    EXPECT_EQ(outcomes(), QStringList{name(vq::kUpdateOTACancelNotification)});
    EXPECT_EQ(firmware().installs, 0);
}

TEST_F(VQOTATransferTest, ASecondStartWhileATransferRunsIsRefused)
{
    storeFile(firmwareText(image(100)));
    storeFile(firmwareText(image(40)), true);
    openReceiver();
    facade().sendStartOTAData();
    facade().sendStartOTADongleData();
    facade().sendStartOTAData();
    EXPECT_FALSE(VQOTATransfer::sharedInstance().start(VQDeviceProtocol::Link::Usb, VQOTATransfer::Target::Receiver));
    ASSERT_TRUE(waitForOutcome());
    vqtest::spin(200);
    EXPECT_EQ(outcomes(), QStringList{name(vq::kUpdateOTASuccessNotification)});
    EXPECT_EQ(firmware().installs, 1);
    EXPECT_EQ(firmware().target, 0);
    int starts = 0;
    for (const QString& frame : transferFrames())
        starts += frame.mid(8, 2) == QLatin1String("40");
    EXPECT_EQ(starts, 1);
    EXPECT_TRUE(VQOTAUpdateManager::sharedInstance().needUpdateDongle()); // untouched
}
