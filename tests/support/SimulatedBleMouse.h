#pragma once

#include "BleCentral.h"
#include "InOrderDelivery.h"
#include "SimulatedLink.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

// A Bluetooth LE mouse behind the BLE central, speaking docs/device-protocol.md section 8: it
// connects when the program looks for the command service (with the page's UUIDs) and the
// test brings it in reach, checks every write strictly (a plan 1 frame, no padding), answers
// through its SimulatedDevice with notifications, and sends key, pen and battery
// notifications on request. Installs itself as the central for its lifetime.
class SimulatedBleMouse : public QObject, public BleCentral, public SimulatedLink {
    Q_OBJECT
public:
    static constexpr char kServiceUuid[] = "8f2c0001-4b6e-4d8a-9c3e-5a1f7e2b9d40";
    static constexpr char kWriteUuid[] = "8f2c0002-4b6e-4d8a-9c3e-5a1f7e2b9d40";
    static constexpr char kNotifyUuid[] = "8f2c0003-4b6e-4d8a-9c3e-5a1f7e2b9d40";
    static constexpr char kName[] = "VQ Mouse";
    static constexpr char kAddress[] = "C0:FF:EE:00:00:01";

    explicit SimulatedBleMouse(QObject* parent = nullptr);
    ~SimulatedBleMouse() override;

    // The mouse comes in reach (connects once the program looks for it) or goes away.
    void bringInReach();
    void takeAway();

    // Writes received (hex), in order. Its input reports, voice (notifications of plan 1 frames)
    // and records of refused writes and pen commands: SimulatedLink.
    const QStringList& writtenHex() const { return m_written; }
    bool isLookedFor() const { return m_started; }
    // 8 kHz, 16 kHz for device types 2 and 5.
    int voiceRate() const override;
    void clearRecords();

    // BleCentral
    void start(const Profile& profile, Handlers handlers) override;
    void stop() override;
    bool isConnected() const override { return m_connected; }
    bool isAvailable() const override { return true; }
    void write(const QByteArray& value) override;

private:
    InOrderDelivery m_delivery{this}; // answers leave in the order they were made
    QByteArray frame(const QByteArray& payload) const override;
    // Notifies the program of the value after delayMs while connected.
    void deliver(const QByteArray& value, int delayMs) override;
    void maybeConnect();
    void handleWrite(const QByteArray& value);

    Handlers m_handlers;
    bool m_started = false;
    bool m_profileMatches = false;
    bool m_inReach = false;
    bool m_connected = false;
    int m_connection = 0; // counts connections, so late notifications of an old one are dropped
    QStringList m_written;
};
