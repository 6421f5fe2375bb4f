#include "VQBLEMouseCommandManager.h"

#include "BleCentral.h"
#include "HIDDevice.h"
#include "MMLog.h"
#include "NotificationCenter.h"
#include "VQDeviceEvents.h"
#include "VQEventCode.h"
#include "VQNotificationNames.h"
#include "VQUserInfoData.h"

using namespace VQDeviceProtocol;

VQBLEMouseCommandManager& VQBLEMouseCommandManager::sharedInstance()
{
    static VQBLEMouseCommandManager* manager = new VQBLEMouseCommandManager();
    return *manager;
}

VQBLEMouseCommandManager::VQBLEMouseCommandManager()
    : VQDeviceCommandManager(Link::Bluetooth)
{
    setEventObserver([this](int eventCode) {
        if (VQEventCode::isVoicePress(eventCode))
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
    m.resetLinkForTests();
}

void VQBLEMouseCommandManager::setBatteryPollIntervalForTests(int ms)
{
    sharedInstance().setBatteryPollInterval(ms);
}

const ChipPlan* VQBLEMouseCommandManager::commandPlan() const
{
    return m_connected ? &bluetoothPlan() : nullptr;
}

void VQBLEMouseCommandManager::write(const QByteArray& frame)
{
    VQLogDebug(QStringLiteral("send %1 over Bluetooth LE").arg(hexString(frame)));
    BleCentral::instance().write(frame);
}

QString VQBLEMouseCommandManager::noDeviceText() const
{
    return QStringLiteral("no Bluetooth LE mouse connected");
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
        if (m_connected)
            takeReport(bluetoothPlan(), value);
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
    state.clearDeviceIdentity(); // a new device: nothing of the one before
    state.mouseInfoItem().setDeviceType(VQMouseInfoItem::DeviceTypeBluetoothMouse);
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kBleConnectNotification), true);

    linkUp();
}

void VQBLEMouseCommandManager::disconnected()
{
    if (!m_connected)
        return;
    m_connected = false;
    VQLogInfo(QStringLiteral("Bluetooth LE mouse %1 disconnected").arg(m_name));
    m_name.clear();
    m_pressType = 0;
    linkDown();

    VQUserInfoData& state = VQUserInfoData::sharedInstance();
    state.setBleConnect(false);
    state.setIsConnect(false);
    state.setChipPlan(0);
    state.clearDeviceIdentity();
    VQDeviceEvents::cancelAsr();
    VQDeviceEvents::LaserPenSignal signal;
    signal.kind = VQDeviceEvents::LaserPenSignal::Kind::LinkLost;
    VQDeviceEvents::laserPen(signal);
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kBleConnectNotification), false);

    HIDDevice::sharedManager().openHIDDevice();
}
