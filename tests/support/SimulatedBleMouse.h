#pragma once

#include "BleCentral.h"
#include "InOrderDelivery.h"
#include "SimulatedDevice.h"
#include "SimulatedVoiceSource.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

// A Bluetooth LE mouse behind the BLE central, speaking docs/device-protocol.md section 8: it
// connects when the program looks for the command service (with the page's UUIDs) and the
// test brings it in reach, checks every write strictly (a plan 1 frame, no padding), answers
// through its SimulatedDevice with notifications, and sends key, pen and battery
// notifications on request. Installs itself as the central for its lifetime.
class SimulatedBleMouse : public QObject, public BleCentral {
    Q_OBJECT
public:
    static constexpr char kServiceUuid[] = "8f2c0001-4b6e-4d8a-9c3e-5a1f7e2b9d40";
    static constexpr char kWriteUuid[] = "8f2c0002-4b6e-4d8a-9c3e-5a1f7e2b9d40";
    static constexpr char kNotifyUuid[] = "8f2c0003-4b6e-4d8a-9c3e-5a1f7e2b9d40";
    static constexpr char kName[] = "VQ Mouse";
    static constexpr char kAddress[] = "C0:FF:EE:00:00:01";

    explicit SimulatedBleMouse(QObject* parent = nullptr);
    ~SimulatedBleMouse() override;

    SimulatedDevice& device() { return m_device; }

    // The mouse comes in reach (connects once the program looks for it) or goes away.
    void bringInReach();
    void takeAway();

    void setAnswerMode(SimulatedDevice::AnswerMode mode) { m_mode = mode; }
    int replyDelayMs = 2;
    int lateDelayMs = 400;

    void sendKey(int keyNumber);
    void sendPenEvent(int event, int state);
    void sendBattery(int level, int percent);
    void sendPayload(const QByteArray& payload);
    void sendRaw(const QByteArray& value);

    // Voice (section 10), as the receiver's: notifications of plan 1 frames.
    SimulatedVoiceSource& voice() { return m_voice; }
    void pressVoiceKey();   // key 33, then the stream
    void releaseVoiceKey(); // key 34, then the voice end

    // Writes received (hex), in order, and the ones refused with the reason.
    const QStringList& writtenHex() const { return m_written; }
    const QStringList& rejected() const { return m_rejected; }
    // Laser-pen frames understood (hex).
    const QStringList& penCommands() const { return m_penCommands; }
    bool isLookedFor() const { return m_started; }
    void clearRecords();

    // BleCentral
    void start(const Profile& profile, Handlers handlers) override;
    void stop() override;
    bool isConnected() const override { return m_connected; }
    bool isAvailable() const override { return true; }
    void write(const QByteArray& value) override;

private:
    InOrderDelivery m_delivery{this}; // answers leave in the order they were made
    QByteArray frame(const QByteArray& payload) const;
    void notify(const QByteArray& value, int delayMs);
    void maybeConnect();
    void handleWrite(const QByteArray& value);

    SimulatedDevice m_device;
    SimulatedDevice::AnswerMode m_mode = SimulatedDevice::AnswerMode::Normal;
    Handlers m_handlers;
    bool m_started = false;
    bool m_profileMatches = false;
    bool m_inReach = false;
    bool m_connected = false;
    int m_connection = 0; // counts connections, so late notifications of an old one are dropped
    QStringList m_written;
    QStringList m_rejected;
    QStringList m_penCommands;
    int m_garbageTurn = 0;
    // A plan 1 frame leaves 27 bytes of arguments.
    SimulatedVoiceSource m_voice{[this](const QByteArray& payload) { notify(frame(payload), replyDelayMs); }, 27};
};
