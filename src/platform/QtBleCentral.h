#pragma once

#include "BleCentral.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class QBluetoothDeviceInfo;

// The Bluetooth LE central through Qt Bluetooth (BlueZ over D-Bus on Linux).
//
// Nothing polls: a low-energy discovery runs at start, when the adapter is switched on and when
// any remote device connects to the adapter (a mouse waking up reconnects at the system level
// first); it ends after kDiscoveryTimeoutMs or at the first peripheral that advertises the
// service (BlueZ also lists paired devices with their services). The central then connects,
// discovers the service, subscribes to the notify characteristic and reports the connection.
// Writes go out one at a time: with response where the characteristic allows it.
//
// A discovery that ends without the peripheral or fails, a failed connection and a
// disconnection schedule one new discovery with a single-shot timer after a back-off that starts
// at kRescanFirstDelayMs and doubles up to kRescanMaxDelayMs; a connection resets it. Nothing is
// armed while connected, while connecting, while the adapter is switched off (its switching on
// starts a discovery) or after stop().
//
// No adapter, no BlueZ or a switched-off adapter is logged once, and the adapter's return once;
// without an adapter the look for one is repeated at the back-off's pace, leaving no line.
class QtBleCentral : public QObject, public BleCentral {
    Q_OBJECT
public:
    static constexpr int kDiscoveryTimeoutMs = 10000;
    static constexpr int kRescanFirstDelayMs = 1000;
    static constexpr int kRescanMaxDelayMs = 30000;

    explicit QtBleCentral(QObject* parent = nullptr);
    ~QtBleCentral() override;

    void start(const Profile& profile, Handlers handlers) override;
    void stop() override;
    bool isConnected() const override { return m_connected; }
    bool isAvailable() const override { return m_available; }
    void write(const QByteArray& value) override;

    // The wait before the scheduled discovery, or -1 when none is scheduled.
    int rescanDelayMs() const;
    // Tests only: a shorter back-off, and an observer of every discovery scheduled (its wait).
    void setRescanDelaysForTests(int firstMs, int maxMs);
    void setRescanObserverForTests(std::function<void(int delayMs)> observer);

private:
    void lookAgain();
    void scheduleRescan(const QString& why);
    void startDiscovery();
    void considerDevice(const QBluetoothDeviceInfo& info);
    void connectTo(const QBluetoothDeviceInfo& info);
    void servicesDiscovered();
    void serviceStateChanged(int state);
    void dropConnection(bool notify);
    void pumpWrites();
    void logUnavailableOnce(const QString& reason);
    void logAvailableAgain();

    // The Qt Bluetooth objects, kept out of this header so its users need no Qt Bluetooth.
    struct Bluetooth;

    Handlers m_handlers;
    std::unique_ptr<Bluetooth> m_bt;
    QTimer m_rescanTimer;
    bool m_started = false;
    bool m_available = true;
    bool m_loggedUnavailable = false;
    bool m_connected = false;
    bool m_writeInFlight = false;
    bool m_switchedOff = false; // the adapter is there and switched off
    int m_rescanFirstDelayMs = kRescanFirstDelayMs;
    int m_rescanMaxDelayMs = kRescanMaxDelayMs;
    int m_nextRescanDelayMs = kRescanFirstDelayMs;
    std::function<void(int)> m_rescanObserver;
};
