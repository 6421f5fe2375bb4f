#include "VQDeviceCommandManager.h"

#include "MMLog.h"
#include "VQOTATransfer.h"

using namespace VQDeviceProtocol;

namespace {

QString commandText(quint8 command)
{
    return QStringLiteral("command %1").arg(command, 2, 16, QLatin1Char('0'));
}

} // namespace

VQDeviceCommandManager::VQDeviceCommandManager(Link link)
    : m_link(link)
    , m_handler(link, [this](quint8 command, const QByteArray& arguments) { send(command, arguments); })
    , m_voice(link)
{
    m_batteryTimer.setInterval(kBatteryPollIntervalMs);
    connect(&m_batteryTimer, &QTimer::timeout, this, &VQDeviceCommandManager::sendGetElectricData);
}

void VQDeviceCommandManager::send(quint8 command, const QByteArray& arguments)
{
    sendBuilt(commandText(command), [&](const ChipPlan& plan) { return buildFrame(plan, command, arguments); });
}

void VQDeviceCommandManager::sendBuilt(const QString& what, const std::function<QByteArray(const ChipPlan&)>& build)
{
    const ChipPlan* plan = commandPlan();
    if (!plan) {
        VQLogInfo(QStringLiteral("%1; %2 not sent").arg(noDeviceText(), what));
        return;
    }
    const QByteArray frame = build(*plan);
    if (frame.isEmpty()) {
        VQLogWarn(QStringLiteral("%1 refused: value outside the protocol's range").arg(what));
        return;
    }
    write(frame);
}

void VQDeviceCommandManager::sendFrames(const QString& what,
                                        const std::function<QList<QByteArray>(const ChipPlan&)>& build)
{
    const ChipPlan* plan = commandPlan();
    if (!plan) {
        VQLogInfo(QStringLiteral("%1; %2 not sent").arg(noDeviceText(), what));
        return;
    }
    const QList<QByteArray> frames = build(*plan);
    if (frames.isEmpty()) {
        VQLogInfo(QStringLiteral("%1: nothing to send on chip plan %2 (no such command, or a value outside the "
                                 "protocol's range)")
                      .arg(what)
                      .arg(plan->plan));
        return;
    }
    for (const QByteArray& frame : frames)
        write(frame);
}

void VQDeviceCommandManager::takeReport(const ChipPlan& plan, const QByteArray& bytes)
{
    if (!m_voice.takeReport(plan, bytes))
        m_handler.handleReport(plan, bytes);
}

void VQDeviceCommandManager::linkUp()
{
    m_handler.readDevice();
    m_batteryTimer.start();
}

void VQDeviceCommandManager::linkDown()
{
    m_batteryTimer.stop();
    m_voice.linkLost();
}

void VQDeviceCommandManager::setEventObserver(std::function<void(int eventCode)> observer)
{
    m_handler.setEventObserver(std::move(observer));
}

void VQDeviceCommandManager::resetLinkForTests()
{
    m_batteryTimer.stop();
    m_batteryTimer.setInterval(kBatteryPollIntervalMs);
    VQVoiceStream::resetForTests();
    m_voice.linkLost();
    m_handler.forgetUpdateForTests();
}

void VQDeviceCommandManager::sendSetDpiData(qint64 step)
{
    sendBuilt(QStringLiteral("DPI step %1").arg(step), [&](const ChipPlan& plan) { return setDpiFrame(plan, step); });
}

void VQDeviceCommandManager::sendSetLightingEffectsModeData(qint64 mode)
{
    sendBuilt(QStringLiteral("lighting mode %1").arg(mode),
              [&](const ChipPlan& plan) { return setLightingModeFrame(plan, mode); });
}

void VQDeviceCommandManager::sendSetLightingEffectsBrightnessData(qint64 brightness)
{
    sendBuilt(QStringLiteral("lighting brightness %1").arg(brightness),
              [&](const ChipPlan& plan) { return setLightingBrightnessFrame(plan, brightness); });
}

void VQDeviceCommandManager::sendSetLightingEffectsSpeedData(qint64 speed)
{
    sendBuilt(QStringLiteral("lighting speed %1").arg(speed),
              [&](const ChipPlan& plan) { return setLightingSpeedFrame(plan, speed); });
}

void VQDeviceCommandManager::sendSetLightingEffectsColorData(qint64 color)
{
    sendBuilt(QStringLiteral("lighting colour %1").arg(color),
              [&](const ChipPlan& plan) { return setLightingColorFrame(plan, color); });
}

void VQDeviceCommandManager::sendSetMouseLeftOrRightHandBehaviorData(qint64 hand)
{
    sendBuilt(QStringLiteral("hand %1").arg(hand), [&](const ChipPlan& plan) { return setHandFrame(plan, hand); });
}

void VQDeviceCommandManager::sendOpenMicData()
{
    send(OpenMic);
}

void VQDeviceCommandManager::sendCloseMicData()
{
    send(CloseMic);
}

void VQDeviceCommandManager::sendKeyCommandDataKeyCode1(int keyCode1, int keyCode2)
{
    sendBuilt(QStringLiteral("key %1, %2").arg(keyCode1).arg(keyCode2),
              [&](const ChipPlan& plan) { return typeKeyFrame(plan, keyCode1, keyCode2); });
}

void VQDeviceCommandManager::sendOpenLedData()
{
    send(LedOn);
}

void VQDeviceCommandManager::sendCloseLedData()
{
    send(LedOff);
}

void VQDeviceCommandManager::sendGetElectricData()
{
    m_handler.readBattery();
}

void VQDeviceCommandManager::sendLaserPenModeData(int mode)
{
    sendFrames(QStringLiteral("laser-pen mode %1").arg(mode),
               [&](const ChipPlan& plan) { return laserPenModeFrames(m_link, plan.plan, mode); });
}

void VQDeviceCommandManager::sendLaserPenEnterMouseStatusData()
{
    sendFrames(QStringLiteral("laser-pen pointer mode on"),
               [&](const ChipPlan& plan) { return laserPenPointerModeFrames(m_link, plan.plan, true); });
}

void VQDeviceCommandManager::sendLaserPenQuitMouseStatusData()
{
    sendFrames(QStringLiteral("laser-pen pointer mode off"),
               [&](const ChipPlan& plan) { return laserPenPointerModeFrames(m_link, plan.plan, false); });
}

void VQDeviceCommandManager::sendStartOTAData()
{
    VQOTATransfer::sharedInstance().start(m_link, VQOTATransfer::Target::Device);
}

void VQDeviceCommandManager::sendCancelOTAData()
{
    VQOTATransfer::sharedInstance().cancel(m_link, VQOTATransfer::Target::Device);
}
