#include "VQHidCommandManager.h"

#include "HIDDevice.h"
#include "MMLog.h"
#include "VQDeviceEvents.h"
#include "VQOTATransfer.h"
#include "VQUserInfoData.h"

#include <QTimer>

using namespace VQDeviceProtocol;

VQHidCommandManager& VQHidCommandManager::sharedInstance()
{
    static VQHidCommandManager* manager = new VQHidCommandManager();
    return *manager;
}

VQHidCommandManager::VQHidCommandManager()
    : VQDeviceCommandManager(Link::Usb)
{
    HIDDevice& device = HIDDevice::sharedManager();
    connect(&device, &HIDDevice::deviceOpened, this, &VQHidCommandManager::opened);
    connect(&device, &HIDDevice::deviceClosed, this, &VQHidCommandManager::closed);
    connect(&device, &HIDDevice::reportReceived, this, &VQHidCommandManager::received);
}

void VQHidCommandManager::resetForTests()
{
    sharedInstance().resetLinkForTests();
}

void VQHidCommandManager::setBatteryPollIntervalForTests(int ms)
{
    sharedInstance().setBatteryPollInterval(ms);
}

const ChipPlan* VQHidCommandManager::commandPlan() const
{
    return HIDDevice::sharedManager().chipPlan();
}

void VQHidCommandManager::write(const QByteArray& frame)
{
    HIDDevice::sharedManager().hidRequestSendCommand(frame);
}

QString VQHidCommandManager::noDeviceText() const
{
    return QStringLiteral("no receiver open");
}

void VQHidCommandManager::opened()
{
    if (VQUserInfoData::sharedInstance().mouseInfoItem().deviceType() == VQMouseInfoItem::DeviceTypeLaserPen) {
        VQDeviceEvents::LaserPenSignal signal;
        signal.kind = VQDeviceEvents::LaserPenSignal::Kind::ReceiverOpened;
        VQDeviceEvents::laserPen(signal);
    }
    linkUp();
}

void VQHidCommandManager::closed(bool removed)
{
    linkDown();
    if (removed)
        VQDeviceEvents::cancelAsr();
    // The pen's effects must not outlive the link that could end them.
    VQDeviceEvents::LaserPenSignal signal;
    signal.kind = removed ? VQDeviceEvents::LaserPenSignal::Kind::ReceiverRemoved
                          : VQDeviceEvents::LaserPenSignal::Kind::LinkLost;
    VQDeviceEvents::laserPen(signal);
}

void VQHidCommandManager::received(const QByteArray& report)
{
    if (const ChipPlan* plan = commandPlan())
        takeReport(*plan, report);
}

void VQHidCommandManager::modifyReturnRate(int index)
{
    const QStringList choices = VQUserInfoData::sharedInstance().reportRateArr();
    if (index < 0 || index >= choices.size()) {
        VQLogWarn(QStringLiteral("report-rate choice %1 does not exist; nothing sent").arg(index));
        return;
    }
    sendBuilt(QStringLiteral("report rate %1 (choice %2)").arg(choices.at(index)).arg(index),
              [&](const ChipPlan& plan) { return setReportRateFrame(plan, index); });
}

void VQHidCommandManager::sendOpenRGBData()
{
    send(RgbOn);
}

void VQHidCommandManager::sendCloseRGBData()
{
    send(RgbOff);
}

void VQHidCommandManager::sendGetXunFeiChipDeviceInfoData()
{
    send(ReadVoiceChipInfo);
}

void VQHidCommandManager::sendPenFrame(const QByteArray& frame, const QString& what)
{
    if (frame.isEmpty()) {
        VQLogWarn(QStringLiteral("%1 refused: value outside the protocol's range").arg(what));
        return;
    }
    write(frame);
}

void VQHidCommandManager::sendTelinkLaserPenOpenHardLaserData()
{
    sendPenFrame(hardLaserFrame(true), QStringLiteral("the pen's laser on"));
}

void VQHidCommandManager::sendTelinkLaserPenCloseHardLaserData(std::function<void(bool written)> sent)
{
    const QByteArray frame = hardLaserFrame(false);
    if (!sent || frame.isEmpty()) {
        sendPenFrame(frame, QStringLiteral("the pen's laser off"));
        if (sent)
            QTimer::singleShot(0, this, [sent] { sent(false); });
        return;
    }
    HIDDevice::sharedManager().hidRequestSendCommand(frame, [sent](bool ok, const QString&) { sent(ok); });
}

void VQHidCommandManager::sendTelinkLaserPenCountdownData(qint64 secondsLeft)
{
    sendPenFrame(countdownFrame(secondsLeft), QStringLiteral("countdown of %1 s").arg(secondsLeft));
}

void VQHidCommandManager::sendStartOTADongleData()
{
    VQOTATransfer::sharedInstance().start(Link::Usb, VQOTATransfer::Target::Receiver);
}

void VQHidCommandManager::sendCancelOTADongleData()
{
    VQOTATransfer::sharedInstance().cancel(Link::Usb, VQOTATransfer::Target::Receiver);
}
