#include "VQHidCommandManager.h"

#include "HIDDevice.h"
#include "MMLog.h"
#include "VQDeviceEvents.h"
#include "VQOTATransfer.h"
#include "VQUserInfoData.h"

using namespace VQDeviceProtocol;

namespace {

const ChipPlan* openChipPlan()
{
    return HIDDevice::sharedManager().chipPlan();
}

} // namespace

VQHidCommandManager& VQHidCommandManager::sharedInstance()
{
    static VQHidCommandManager* manager = new VQHidCommandManager();
    return *manager;
}

VQHidCommandManager::VQHidCommandManager()
    : m_handler(Link::Usb, [this](quint8 command, const QByteArray& arguments) { send(command, arguments); })
{
    m_batteryTimer.setInterval(kBatteryPollIntervalMs);
    connect(&m_batteryTimer, &QTimer::timeout, this, &VQHidCommandManager::sendGetElectricData);
    HIDDevice& device = HIDDevice::sharedManager();
    connect(&device, &HIDDevice::deviceOpened, this, &VQHidCommandManager::opened);
    connect(&device, &HIDDevice::deviceClosed, this, &VQHidCommandManager::closed);
    connect(&device, &HIDDevice::reportReceived, this, &VQHidCommandManager::received);
}

void VQHidCommandManager::resetForTests()
{
    VQHidCommandManager& m = sharedInstance();
    m.m_batteryTimer.stop();
    m.m_batteryTimer.setInterval(kBatteryPollIntervalMs);
    VQVoiceStream::resetForTests();
    m.m_voice.linkLost();
}

void VQHidCommandManager::setBatteryPollIntervalForTests(int ms)
{
    sharedInstance().m_batteryTimer.setInterval(ms);
}

int VQHidCommandManager::openPlan() const
{
    const ChipPlan* plan = openChipPlan();
    return plan ? plan->plan : 0;
}

void VQHidCommandManager::opened()
{
    if (VQUserInfoData::sharedInstance().mouseInfoItem().deviceType() == VQMouseInfoItem::DeviceTypeLaserPen) {
        VQDeviceEvents::LaserPenSignal signal;
        signal.kind = VQDeviceEvents::LaserPenSignal::Kind::ReceiverOpened;
        VQDeviceEvents::laserPen(signal);
    }
    m_handler.readDevice();
    m_batteryTimer.start();
}

void VQHidCommandManager::closed(bool removed)
{
    m_batteryTimer.stop();
    m_voice.linkLost();
    if (!removed)
        return;
    VQDeviceEvents::cancelAsr();
    VQDeviceEvents::LaserPenSignal signal;
    signal.kind = VQDeviceEvents::LaserPenSignal::Kind::ReceiverRemoved;
    VQDeviceEvents::laserPen(signal);
}

void VQHidCommandManager::received(const QByteArray& report)
{
    const ChipPlan* plan = openChipPlan();
    if (plan && !m_voice.takeReport(*plan, report))
        m_handler.handleReport(*plan, report);
}

void VQHidCommandManager::send(quint8 command, const QByteArray& arguments)
{
    const ChipPlan* plan = openChipPlan();
    if (!plan) {
        VQLogInfo(QStringLiteral("no receiver open; command %1 not sent").arg(command, 2, 16, QLatin1Char('0')));
        return;
    }
    sendFrame(buildFrame(*plan, command, arguments), QStringLiteral("command %1").arg(command, 2, 16, QLatin1Char('0')));
}

void VQHidCommandManager::sendBuilt(const QString& what, const std::function<QByteArray(const ChipPlan&)>& build)
{
    const ChipPlan* plan = openChipPlan();
    if (!plan) {
        VQLogInfo(QStringLiteral("no receiver open; %1 not sent").arg(what));
        return;
    }
    sendFrame(build(*plan), what);
}

void VQHidCommandManager::sendFrame(const QByteArray& frame, const QString& what)
{
    if (frame.isEmpty()) {
        VQLogWarn(QStringLiteral("%1 refused: value outside the protocol's range").arg(what));
        return;
    }
    HIDDevice::sharedManager().hidRequestSendCommand(frame);
}

void VQHidCommandManager::sendFrames(const QList<QByteArray>& frames, const QString& what)
{
    if (frames.isEmpty()) {
        VQLogInfo(QStringLiteral("%1: chip plan %2 has no such command; nothing sent").arg(what).arg(openPlan()));
        return;
    }
    for (const QByteArray& frame : frames)
        HIDDevice::sharedManager().hidRequestSendCommand(frame);
}

void VQHidCommandManager::sendSetDpiData(qint64 step)
{
    sendBuilt(QStringLiteral("DPI step %1").arg(step),
              [&](const ChipPlan& plan) { return setDpiFrame(plan, step); });
}

void VQHidCommandManager::modifyReturnRate(int index)
{
    const std::optional<int> hertz = reportRateChoice(VQUserInfoData::sharedInstance().reportRateArr(), index);
    if (!hertz) {
        VQLogWarn(QStringLiteral("report-rate choice %1 does not exist; nothing sent").arg(index));
        return;
    }
    sendBuilt(QStringLiteral("report rate %1").arg(*hertz),
              [&](const ChipPlan& plan) { return setReportRateFrame(plan, *hertz); });
}

void VQHidCommandManager::sendSetLightingEffectsModeData(qint64 mode)
{
    sendBuilt(QStringLiteral("lighting mode %1").arg(mode),
              [&](const ChipPlan& plan) { return setLightingModeFrame(plan, mode); });
}

void VQHidCommandManager::sendSetLightingEffectsBrightnessData(qint64 brightness)
{
    sendBuilt(QStringLiteral("lighting brightness %1").arg(brightness),
              [&](const ChipPlan& plan) { return setLightingBrightnessFrame(plan, brightness); });
}

void VQHidCommandManager::sendSetLightingEffectsSpeedData(qint64 speed)
{
    sendBuilt(QStringLiteral("lighting speed %1").arg(speed),
              [&](const ChipPlan& plan) { return setLightingSpeedFrame(plan, speed); });
}

void VQHidCommandManager::sendSetLightingEffectsColorData(qint64 color)
{
    sendBuilt(QStringLiteral("lighting colour %1").arg(color),
              [&](const ChipPlan& plan) { return setLightingColorFrame(plan, color); });
}

void VQHidCommandManager::sendSetMouseLeftOrRightHandBehaviorData(qint64 hand)
{
    sendBuilt(QStringLiteral("hand %1").arg(hand),
              [&](const ChipPlan& plan) { return setHandFrame(plan, hand); });
}

void VQHidCommandManager::sendOpenMicData()
{
    send(OpenMic);
}

void VQHidCommandManager::sendCloseMicData()
{
    send(CloseMic);
}

void VQHidCommandManager::sendKeyCommandDataKeyCode1(int keyCode1, int keyCode2)
{
    sendBuilt(QStringLiteral("key %1, %2").arg(keyCode1).arg(keyCode2),
              [&](const ChipPlan& plan) { return typeKeyFrame(plan, keyCode1, keyCode2); });
}

void VQHidCommandManager::sendOpenLedData()
{
    send(LedOn);
}

void VQHidCommandManager::sendCloseLedData()
{
    send(LedOff);
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

void VQHidCommandManager::sendGetElectricData()
{
    m_handler.readBattery();
}

void VQHidCommandManager::sendLaserPenModeData(int mode)
{
    if (!openChipPlan()) {
        VQLogInfo(QStringLiteral("no receiver open; laser-pen mode not sent"));
        return;
    }
    sendFrames(laserPenModeFrames(Link::Usb, openPlan(), mode), QStringLiteral("laser-pen mode %1").arg(mode));
}

void VQHidCommandManager::sendLaserPenEnterMouseStatusData()
{
    if (!openChipPlan()) {
        VQLogInfo(QStringLiteral("no receiver open; laser-pen pointer mode not sent"));
        return;
    }
    sendFrames(laserPenPointerModeFrames(Link::Usb, openPlan(), true), QStringLiteral("laser-pen pointer mode on"));
}

void VQHidCommandManager::sendLaserPenQuitMouseStatusData()
{
    if (!openChipPlan()) {
        VQLogInfo(QStringLiteral("no receiver open; laser-pen pointer mode not sent"));
        return;
    }
    sendFrames(laserPenPointerModeFrames(Link::Usb, openPlan(), false), QStringLiteral("laser-pen pointer mode off"));
}

void VQHidCommandManager::sendTelinkLaserPenOpenHardLaserData()
{
    HIDDevice::sharedManager().hidRequestSendCommand(hardLaserFrame(true));
}

void VQHidCommandManager::sendTelinkLaserPenCloseHardLaserData()
{
    HIDDevice::sharedManager().hidRequestSendCommand(hardLaserFrame(false));
}

void VQHidCommandManager::sendTelinkLaserPenCountdownData(qint64 secondsLeft)
{
    const QByteArray frame = countdownFrame(secondsLeft);
    if (frame.isEmpty()) {
        VQLogWarn(QStringLiteral("countdown of %1 s refused: outside 0-65535").arg(secondsLeft));
        return;
    }
    HIDDevice::sharedManager().hidRequestSendCommand(frame);
}

void VQHidCommandManager::sendStartOTAData()
{
    VQOTATransfer::sharedInstance().start(Link::Usb, VQOTATransfer::Target::Device);
}

void VQHidCommandManager::sendCancelOTAData()
{
    VQOTATransfer::sharedInstance().cancel(Link::Usb, VQOTATransfer::Target::Device);
}

void VQHidCommandManager::sendStartOTADongleData()
{
    VQOTATransfer::sharedInstance().start(Link::Usb, VQOTATransfer::Target::Receiver);
}

void VQHidCommandManager::sendCancelOTADongleData()
{
    VQOTATransfer::sharedInstance().cancel(Link::Usb, VQOTATransfer::Target::Receiver);
}
