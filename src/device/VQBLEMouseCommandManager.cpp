#include "VQBLEMouseCommandManager.h"

#include "BleCentral.h"
#include "HIDDevice.h"
#include "MMLog.h"
#include "NotificationCenter.h"
#include "VQDeviceEvents.h"
#include "VQNotificationNames.h"
#include "VQOTATransfer.h"
#include "VQUserInfoData.h"

using namespace VQDeviceProtocol;

namespace {

bool isPressCode(int eventCode)
{
    return eventCode == 33 || eventCode == 35 || eventCode == 37;
}

} // namespace

VQBLEMouseCommandManager& VQBLEMouseCommandManager::sharedInstance()
{
    static VQBLEMouseCommandManager* manager = new VQBLEMouseCommandManager();
    return *manager;
}

VQBLEMouseCommandManager::VQBLEMouseCommandManager()
    : m_handler(Link::Bluetooth, [this](quint8 command, const QByteArray& arguments) { send(command, arguments); })
{
    m_batteryTimer.setInterval(kBatteryPollIntervalMs);
    connect(&m_batteryTimer, &QTimer::timeout, this, &VQBLEMouseCommandManager::sendGetElectricData);
    m_handler.setEventObserver([this](int eventCode) {
        if (isPressCode(eventCode))
            m_pressType = eventCode;
    });
}

void VQBLEMouseCommandManager::resetForTests()
{
    VQBLEMouseCommandManager& m = sharedInstance();
    if (m.m_started)
        BleCentral::instance().stop();
    m.m_started = false;
    m.m_connected = false;
    m.m_name.clear();
    m.m_pressType = 0;
    m.m_batteryTimer.stop();
    m.m_batteryTimer.setInterval(kBatteryPollIntervalMs);
    VQVoiceStream::resetForTests();
    m.m_voice.linkLost();
}

void VQBLEMouseCommandManager::setBatteryPollIntervalForTests(int ms)
{
    sharedInstance().m_batteryTimer.setInterval(ms);
}

void VQBLEMouseCommandManager::startScan()
{
    BleCentral::Profile profile;
    profile.serviceUuid = QString::fromLatin1(kBleServiceUuid);
    profile.writeCharacteristicUuid = QString::fromLatin1(kBleWriteCharacteristicUuid);
    profile.notifyCharacteristicUuid = QString::fromLatin1(kBleNotifyCharacteristicUuid);

    BleCentral::Handlers handlers;
    handlers.connected = [this](const QString& name, const QString&) { connected(name); };
    handlers.disconnected = [this] { disconnected(); };
    handlers.notified = [this](const QByteArray& value) {
        if (m_connected && !m_voice.takeReport(bluetoothPlan(), value))
            m_handler.handleReport(bluetoothPlan(), value);
    };
    m_started = true;
    BleCentral::instance().start(profile, std::move(handlers));
}

void VQBLEMouseCommandManager::connected(const QString& name)
{
    if (m_connected)
        return;
    m_connected = true;
    m_name = name.isEmpty() ? QString::fromLatin1(kMouseNameFallback) : name;
    VQLogInfo(QStringLiteral("Bluetooth LE mouse %1 connected").arg(m_name));

    // One transport at a time: the receiver stays closed while the mouse is connected.
    HIDDevice::sharedManager().closeHIDDevice();
    VQUserInfoData& state = VQUserInfoData::sharedInstance();
    state.setBleConnect(true);
    state.setIsConnect(true);
    state.setChipPlan(kBluetoothChipPlan);
    state.mouseInfoItem().setDeviceType(VQMouseInfoItem::DeviceTypeBluetoothMouse);
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kBleConnectNotification), true);

    m_handler.readDevice();
    m_batteryTimer.start();
}

void VQBLEMouseCommandManager::disconnected()
{
    if (!m_connected)
        return;
    m_connected = false;
    VQLogInfo(QStringLiteral("Bluetooth LE mouse %1 disconnected").arg(m_name));
    m_name.clear();
    m_pressType = 0;
    m_batteryTimer.stop();
    m_voice.linkLost();

    VQUserInfoData& state = VQUserInfoData::sharedInstance();
    state.setBleConnect(false);
    state.setIsConnect(false);
    state.setChipPlan(0);
    state.mouseInfoItem().setConnectState(0);
    VQDeviceEvents::cancelAsr();
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kBleConnectNotification), false);

    HIDDevice::sharedManager().openHIDDevice();
}

void VQBLEMouseCommandManager::send(quint8 command, const QByteArray& arguments)
{
    sendFrame(buildFrame(bluetoothPlan(), command, arguments),
              QStringLiteral("command %1").arg(command, 2, 16, QLatin1Char('0')));
}

void VQBLEMouseCommandManager::sendFrame(const QByteArray& frame, const QString& what)
{
    if (!m_connected) {
        VQLogInfo(QStringLiteral("no Bluetooth LE mouse connected; %1 not sent").arg(what));
        return;
    }
    if (frame.isEmpty()) {
        VQLogWarn(QStringLiteral("%1 refused: value outside the protocol's range").arg(what));
        return;
    }
    VQLogDebug(QStringLiteral("send %1 over Bluetooth LE").arg(hexString(frame)));
    BleCentral::instance().write(frame);
}

void VQBLEMouseCommandManager::sendSetDpiData(qint64 step)
{
    sendFrame(setDpiFrame(bluetoothPlan(), step), QStringLiteral("DPI step %1").arg(step));
}

void VQBLEMouseCommandManager::sendSetLightingEffectsModeData(qint64 mode)
{
    sendFrame(setLightingModeFrame(bluetoothPlan(), mode), QStringLiteral("lighting mode %1").arg(mode));
}

void VQBLEMouseCommandManager::sendSetLightingEffectsBrightnessData(qint64 brightness)
{
    sendFrame(setLightingBrightnessFrame(bluetoothPlan(), brightness),
              QStringLiteral("lighting brightness %1").arg(brightness));
}

void VQBLEMouseCommandManager::sendSetLightingEffectsSpeedData(qint64 speed)
{
    sendFrame(setLightingSpeedFrame(bluetoothPlan(), speed), QStringLiteral("lighting speed %1").arg(speed));
}

void VQBLEMouseCommandManager::sendSetLightingEffectsColorData(qint64 color)
{
    sendFrame(setLightingColorFrame(bluetoothPlan(), color), QStringLiteral("lighting colour %1").arg(color));
}

void VQBLEMouseCommandManager::sendSetMouseLeftOrRightHandBehaviorData(qint64 hand)
{
    sendFrame(setHandFrame(bluetoothPlan(), hand), QStringLiteral("hand %1").arg(hand));
}

void VQBLEMouseCommandManager::sendOpenMicData()
{
    send(OpenMic);
}

void VQBLEMouseCommandManager::sendCloseMicData()
{
    send(CloseMic);
}

void VQBLEMouseCommandManager::sendKeyCommandDataKeyCode1(int keyCode1, int keyCode2)
{
    sendFrame(typeKeyFrame(bluetoothPlan(), keyCode1, keyCode2),
              QStringLiteral("key %1, %2").arg(keyCode1).arg(keyCode2));
}

void VQBLEMouseCommandManager::sendOpenLedData()
{
    send(LedOn);
}

void VQBLEMouseCommandManager::sendCloseLedData()
{
    send(LedOff);
}

void VQBLEMouseCommandManager::sendGetElectricData()
{
    m_handler.readBattery();
}

void VQBLEMouseCommandManager::sendLaserPenModeData(int mode)
{
    const QList<QByteArray> frames = laserPenModeFrames(Link::Bluetooth, 0, mode);
    sendFrame(frames.value(0), QStringLiteral("laser-pen mode %1").arg(mode));
}

void VQBLEMouseCommandManager::sendLaserPenEnterMouseStatusData()
{
    sendFrame(laserPenPointerModeFrames(Link::Bluetooth, 0, true).value(0), QStringLiteral("laser-pen pointer mode on"));
}

void VQBLEMouseCommandManager::sendLaserPenQuitMouseStatusData()
{
    sendFrame(laserPenPointerModeFrames(Link::Bluetooth, 0, false).value(0),
              QStringLiteral("laser-pen pointer mode off"));
}

void VQBLEMouseCommandManager::sendStartOTAData()
{
    VQOTATransfer::sharedInstance().start(Link::Bluetooth, VQOTATransfer::Target::Device);
}

void VQBLEMouseCommandManager::sendCancelOTAData()
{
    VQOTATransfer::sharedInstance().cancel(Link::Bluetooth, VQOTATransfer::Target::Device);
}
