#pragma once

#include "SimulatedDevice.h"
#include "SimulatedVoiceSource.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the simulated receiver and the simulated Bluetooth LE mouse share: the device behind the
// link and how it answers, the input reports a test sends through it, its microphone, and the
// records of the frames it refused and of the laser-pen commands it understood. A link supplies
// its frame, its delivery to the program and what it keeps of an understood frame.
class SimulatedLink {
public:
    SimulatedDevice& device() { return m_device; }

    void setAnswerMode(SimulatedDevice::AnswerMode mode) { m_mode = mode; }
    int replyDelayMs = 2;
    int lateDelayMs = 400;

    // Input reports of the device.
    void sendKey(int keyNumber);
    void sendPenEvent(int event, int state);
    void sendBattery(int level, int percent);
    void sendPayload(const QByteArray& payload);
    void sendRaw(const QByteArray& bytes);

    // Voice (section 10): the microphone streams its utterance while the voice key is held or
    // after the open-microphone command, until the key is released or the close command.
    // Each stream carries the microphone's sound at voiceRate().
    SimulatedVoiceSource& voice() { return m_voice; }
    void pressVoiceKey();   // key 33, then the stream
    void releaseVoiceKey(); // key 34, then the voice end
    // The sample rate the link carries (section 10): 8000 or 16000.
    virtual int voiceRate() const = 0;

    // Frames the device refused, with the reason.
    const QStringList& rejected() const { return m_rejected; }
    // Laser-pen frames understood (hex, without padding).
    const QStringList& penCommands() const { return m_penCommands; }

protected:
    // voiceArguments: the argument room of one frame of the link.
    explicit SimulatedLink(int voiceArguments);
    virtual ~SimulatedLink() = default;

    // The payload in the link's frame.
    virtual QByteArray frame(const QByteArray& payload) const = 0;
    // Hands bytes to the program after delayMs, while the link is up.
    virtual void deliver(const QByteArray& bytes, int delayMs) = 0;
    // A frame the device understood, in order.
    virtual void understood(const QByteArray& frameBytes) { Q_UNUSED(frameBytes); }

    // Records what the device refused (the bytes, if any, and why).
    void reject(const QByteArray& bytes, const QString& reason);
    // Carries out a command frame that passed the link's checks: a laser-pen command of the chip
    // plan (2: AA to AC; 6: B0, B1, B4, B5, FF) is recorded, anything else is answered by the
    // device as the answer mode says, the microphone following its commands.
    void carryOut(int penPlan, quint8 command, const QByteArray& arguments, const QByteArray& frameBytes);
    void clearLinkRecords();

    SimulatedDevice m_device;

private:
    bool takePenCommand(int plan, quint8 command, const QByteArray& arguments, const QByteArray& frameBytes);

    SimulatedDevice::AnswerMode m_mode = SimulatedDevice::AnswerMode::Normal;
    QStringList m_rejected;
    QStringList m_penCommands;
    int m_garbageTurn = 0;
    SimulatedVoiceSource m_voice;
};
