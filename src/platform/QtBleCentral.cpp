#include "QtBleCentral.h"

#include "MMLog.h"

#include <QBluetoothAddress>
#include <QBluetoothDeviceDiscoveryAgent>
#include <QBluetoothLocalDevice>
#include <QLowEnergyController>
#include <QLowEnergyDescriptor>
#include <QLowEnergyService>
#include <QPointer>

#include <algorithm>
#include <deque>

struct QtBleCentral::Bluetooth {
    QBluetoothUuid serviceUuid;
    QBluetoothUuid writeUuid;
    QBluetoothUuid notifyUuid;
    QBluetoothLocalDevice* local = nullptr;
    QBluetoothDeviceDiscoveryAgent* agent = nullptr;
    QPointer<QLowEnergyController> controller;
    QPointer<QLowEnergyService> service;
    QBluetoothDeviceInfo peripheral;
    QLowEnergyCharacteristic writeCharacteristic;
    std::deque<QByteArray> writes;
};

QtBleCentral::QtBleCentral(QObject* parent)
    : QObject(parent)
    , m_bt(std::make_unique<Bluetooth>())
{
    m_rescanTimer.setSingleShot(true);
    connect(&m_rescanTimer, &QTimer::timeout, this, &QtBleCentral::lookAgain);
}

QtBleCentral::~QtBleCentral()
{
    m_started = false;
    m_rescanTimer.stop();
    m_handlers = {};
    dropConnection(false);
    // The Qt Bluetooth objects are children; nothing of theirs may reach this object while
    // QObject deletes them.
    if (m_bt->agent)
        m_bt->agent->disconnect(this);
    if (m_bt->local)
        m_bt->local->disconnect(this);
}

void QtBleCentral::start(const Profile& profile, Handlers handlers)
{
    m_handlers = std::move(handlers);
    m_bt->serviceUuid = QBluetoothUuid(profile.serviceUuid);
    m_bt->writeUuid = QBluetoothUuid(profile.writeCharacteristicUuid);
    m_bt->notifyUuid = QBluetoothUuid(profile.notifyCharacteristicUuid);
    m_started = true;
    m_rescanTimer.stop();
    m_nextRescanDelayMs = m_rescanFirstDelayMs;
    lookAgain();
}

void QtBleCentral::lookAgain()
{
    if (!m_started || m_bt->controller)
        return;
    if (m_bt->local && !m_bt->local->isValid()) {
        // An adapter (or the Bluetooth service) may have come since: ask again.
        m_bt->local->disconnect(this);
        m_bt->local->deleteLater();
        m_bt->local = nullptr;
    }
    if (!m_bt->local) {
        m_bt->local = new QBluetoothLocalDevice(this);
        if (!m_bt->local->isValid()) {
            m_available = false;
            m_switchedOff = false;
            logUnavailableOnce(QStringLiteral("no Bluetooth adapter or no Bluetooth service"));
            scheduleRescan(QStringLiteral("no adapter"));
            return;
        }
        connect(m_bt->local, &QBluetoothLocalDevice::deviceConnected, this, [this](const QBluetoothAddress&) {
            if (m_started && !m_bt->controller)
                startDiscovery();
        });
        connect(m_bt->local, &QBluetoothLocalDevice::hostModeStateChanged, this,
                [this](QBluetoothLocalDevice::HostMode mode) {
                    m_available = mode != QBluetoothLocalDevice::HostPoweredOff;
                    m_switchedOff = !m_available;
                    if (m_available)
                        logAvailableAgain();
                    if (m_switchedOff)
                        m_rescanTimer.stop(); // switching it on starts the next discovery
                    else if (m_started && !m_bt->controller)
                        startDiscovery();
                });
    }
    m_switchedOff = m_bt->local->hostMode() == QBluetoothLocalDevice::HostPoweredOff;
    if (m_switchedOff) {
        m_available = false;
        logUnavailableOnce(QStringLiteral("the Bluetooth adapter is switched off"));
        return;
    }
    m_available = true;
    logAvailableAgain();
    startDiscovery();
}

void QtBleCentral::scheduleRescan(const QString& why)
{
    if (!m_started || m_connected || m_bt->controller)
        return;
    if (m_switchedOff)
        return;
    const int delayMs = m_nextRescanDelayMs;
    m_nextRescanDelayMs = std::min(delayMs * 2, m_rescanMaxDelayMs);
    m_rescanTimer.start(delayMs);
    // Without an adapter the first miss was logged, and its return will be; the looks between
    // leave no line.
    if (m_available)
        VQLogDebug(QStringLiteral("Bluetooth LE: %1; looking again in %2 ms").arg(why).arg(delayMs));
    if (m_rescanObserver)
        m_rescanObserver(delayMs);
}

void QtBleCentral::stop()
{
    m_started = false;
    m_rescanTimer.stop();
    m_handlers = {};
    if (m_bt->agent && m_bt->agent->isActive())
        m_bt->agent->stop();
    dropConnection(false);
}

void QtBleCentral::logUnavailableOnce(const QString& reason)
{
    if (m_loggedUnavailable)
        return;
    m_loggedUnavailable = true;
    VQLogInfo(QStringLiteral("Bluetooth LE: %1; Bluetooth mice are looked for again once it is there").arg(reason));
}

void QtBleCentral::logAvailableAgain()
{
    if (!m_loggedUnavailable)
        return;
    m_loggedUnavailable = false; // a later loss is logged again
    VQLogInfo(QStringLiteral("Bluetooth LE: the Bluetooth adapter is there again; looking for Bluetooth mice"));
}

void QtBleCentral::startDiscovery()
{
    if (!m_bt->agent) {
        m_bt->agent = new QBluetoothDeviceDiscoveryAgent(this);
        m_bt->agent->setLowEnergyDiscoveryTimeout(kDiscoveryTimeoutMs);
        connect(m_bt->agent, &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, this, &QtBleCentral::considerDevice);
        connect(m_bt->agent, &QBluetoothDeviceDiscoveryAgent::deviceUpdated, this,
                [this](const QBluetoothDeviceInfo& info, QBluetoothDeviceInfo::Fields) { considerDevice(info); });
        connect(m_bt->agent, &QBluetoothDeviceDiscoveryAgent::errorOccurred, this,
                [this](QBluetoothDeviceDiscoveryAgent::Error error) {
                    if (error == QBluetoothDeviceDiscoveryAgent::PoweredOffError)
                        m_available = false;
                    else if (error == QBluetoothDeviceDiscoveryAgent::InvalidBluetoothAdapterError
                             || error == QBluetoothDeviceDiscoveryAgent::UnsupportedPlatformError)
                        m_available = false;
                    logUnavailableOnce(QStringLiteral("discovery failed: %1").arg(m_bt->agent->errorString()));
                    scheduleRescan(QStringLiteral("the discovery failed: %1").arg(m_bt->agent->errorString()));
                });
        // Ended after its time-out without the peripheral (stop() ends it with canceled()).
        connect(m_bt->agent, &QBluetoothDeviceDiscoveryAgent::finished, this,
                [this] { scheduleRescan(QStringLiteral("no mouse found")); });
    }
    if (m_bt->agent->isActive())
        return;
    m_rescanTimer.stop();
    m_bt->agent->start(QBluetoothDeviceDiscoveryAgent::LowEnergyMethod);
}

void QtBleCentral::considerDevice(const QBluetoothDeviceInfo& info)
{
    if (!m_started || m_bt->controller)
        return;
    if (!(info.coreConfigurations() & QBluetoothDeviceInfo::LowEnergyCoreConfiguration))
        return;
    if (!info.serviceUuids().contains(m_bt->serviceUuid))
        return;
    if (m_bt->agent && m_bt->agent->isActive())
        m_bt->agent->stop();
    connectTo(info);
}

void QtBleCentral::connectTo(const QBluetoothDeviceInfo& info)
{
    m_bt->peripheral = info;
    m_bt->controller = QLowEnergyController::createCentral(info, this);
    QLowEnergyController* controller = m_bt->controller;
    connect(controller, &QLowEnergyController::connected, this, [controller] { controller->discoverServices(); });
    connect(controller, &QLowEnergyController::discoveryFinished, this, &QtBleCentral::servicesDiscovered);
    connect(controller, &QLowEnergyController::disconnected, this, [this] { dropConnection(true); });
    connect(controller, &QLowEnergyController::errorOccurred, this, [this, controller](QLowEnergyController::Error) {
        VQLogWarn(QStringLiteral("Bluetooth LE: connection to %1 failed: %2")
                      .arg(m_bt->peripheral.name(), controller->errorString()));
        dropConnection(true);
    });
    VQLogInfo(QStringLiteral("Bluetooth LE: connecting to %1 (%2)").arg(info.name(), info.address().toString()));
    controller->connectToDevice();
}

void QtBleCentral::servicesDiscovered()
{
    if (!m_bt->controller)
        return;
    if (!m_bt->controller->services().contains(m_bt->serviceUuid)) {
        VQLogWarn(QStringLiteral("Bluetooth LE: %1 has no command service").arg(m_bt->peripheral.name()));
        dropConnection(false);
        return;
    }
    m_bt->service = m_bt->controller->createServiceObject(m_bt->serviceUuid, this);
    if (!m_bt->service) {
        dropConnection(false);
        return;
    }
    QLowEnergyService* service = m_bt->service;
    connect(service, &QLowEnergyService::stateChanged, this,
            [this](QLowEnergyService::ServiceState state) { serviceStateChanged(int(state)); });
    connect(service, &QLowEnergyService::characteristicChanged, this,
            [this](const QLowEnergyCharacteristic& characteristic, const QByteArray& value) {
                if (m_connected && characteristic.uuid() == m_bt->notifyUuid && m_handlers.notified)
                    m_handlers.notified(value);
            });
    connect(service, &QLowEnergyService::characteristicWritten, this, [this] {
        m_writeInFlight = false;
        pumpWrites();
    });
    connect(service, &QLowEnergyService::errorOccurred, this, [this](QLowEnergyService::ServiceError error) {
        if (error == QLowEnergyService::CharacteristicWriteError) {
            VQLogWarn(QStringLiteral("Bluetooth LE: a write was refused"));
            m_writeInFlight = false;
            pumpWrites();
        }
    });
    service->discoverDetails();
}

void QtBleCentral::serviceStateChanged(int state)
{
    if (state != int(QLowEnergyService::RemoteServiceDiscovered) || !m_bt->service || m_connected)
        return;
    m_bt->writeCharacteristic = m_bt->service->characteristic(m_bt->writeUuid);
    const QLowEnergyCharacteristic notify = m_bt->service->characteristic(m_bt->notifyUuid);
    if (!m_bt->writeCharacteristic.isValid() || !notify.isValid()) {
        VQLogWarn(QStringLiteral("Bluetooth LE: %1 lacks the command characteristics").arg(m_bt->peripheral.name()));
        dropConnection(false);
        return;
    }
    const QLowEnergyDescriptor config =
        notify.descriptor(QBluetoothUuid::DescriptorType::ClientCharacteristicConfiguration);
    if (config.isValid())
        m_bt->service->writeDescriptor(config, QLowEnergyCharacteristic::CCCDEnableNotification);
    m_connected = true;
    m_rescanTimer.stop();
    m_nextRescanDelayMs = m_rescanFirstDelayMs;
    VQLogInfo(QStringLiteral("Bluetooth LE: connected to %1").arg(m_bt->peripheral.name()));
    if (m_handlers.connected)
        m_handlers.connected(m_bt->peripheral.name(), m_bt->peripheral.address().toString());
    pumpWrites();
}

void QtBleCentral::dropConnection(bool notify)
{
    const bool wasConnected = m_connected;
    m_connected = false;
    m_bt->writes.clear();
    m_writeInFlight = false;
    m_bt->writeCharacteristic = {};
    if (m_bt->service) {
        m_bt->service->disconnect(this);
        m_bt->service->deleteLater();
    }
    m_bt->service = nullptr;
    if (m_bt->controller) {
        m_bt->controller->disconnect(this);
        m_bt->controller->disconnectFromDevice();
        m_bt->controller->deleteLater();
    }
    m_bt->controller = nullptr;
    if (wasConnected) {
        VQLogInfo(QStringLiteral("Bluetooth LE: %1 disconnected").arg(m_bt->peripheral.name()));
        if (notify && m_handlers.disconnected)
            m_handlers.disconnected();
    }
    // A failed connection or a lost peripheral: look for it again (nothing after stop()).
    scheduleRescan(wasConnected ? QStringLiteral("disconnected") : QStringLiteral("not connected"));
}

void QtBleCentral::write(const QByteArray& value)
{
    if (!m_connected || value.isEmpty())
        return;
    m_bt->writes.push_back(value);
    pumpWrites();
}

void QtBleCentral::pumpWrites()
{
    if (!m_connected || !m_bt->service)
        return;
    const bool withResponse = m_bt->writeCharacteristic.properties() & QLowEnergyCharacteristic::Write;
    while (!m_writeInFlight && !m_bt->writes.empty()) {
        const QByteArray value = m_bt->writes.front();
        m_bt->writes.pop_front();
        if (withResponse) {
            m_writeInFlight = true;
            m_bt->service->writeCharacteristic(m_bt->writeCharacteristic, value, QLowEnergyService::WriteWithResponse);
        } else {
            m_bt->service->writeCharacteristic(m_bt->writeCharacteristic, value, QLowEnergyService::WriteWithoutResponse);
        }
    }
}

int QtBleCentral::rescanDelayMs() const
{
    return m_rescanTimer.isActive() ? m_rescanTimer.interval() : -1;
}

void QtBleCentral::setRescanDelaysForTests(int firstMs, int maxMs)
{
    m_rescanFirstDelayMs = firstMs;
    m_rescanMaxDelayMs = maxMs;
    m_nextRescanDelayMs = firstMs;
}

void QtBleCentral::setRescanObserverForTests(std::function<void(int)> observer)
{
    m_rescanObserver = std::move(observer);
}
