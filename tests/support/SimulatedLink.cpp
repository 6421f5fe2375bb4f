#include "SimulatedLink.h"

SimulatedLink::SimulatedLink(int voiceArguments)
    : m_voice([this](const QByteArray& payload) { sendPayload(payload); }, voiceArguments)
{
    m_voice.rate = [this] { return voiceRate(); };
}

void SimulatedLink::sendKey(int keyNumber)
{
    sendPayload(SimulatedDevice::keyPayload(keyNumber));
}

void SimulatedLink::sendPenEvent(int event, int state)
{
    sendPayload(SimulatedDevice::penEventPayload(event, state));
}

void SimulatedLink::sendBattery(int level, int percent)
{
    m_device.values.batteryLevel = level;
    m_device.values.batteryPercent = percent;
    sendPayload(m_device.batteryPayload());
}

void SimulatedLink::sendPayload(const QByteArray& payload)
{
    deliver(frame(payload), replyDelayMs);
}

void SimulatedLink::sendRaw(const QByteArray& bytes)
{
    deliver(bytes, 0);
}

void SimulatedLink::pressVoiceKey()
{
    sendKey(33);
    m_device.values.micOpen = true;
    m_voice.start();
}

void SimulatedLink::releaseVoiceKey()
{
    sendKey(34);
    m_device.values.micOpen = false;
    m_voice.stop();
}

void SimulatedLink::reject(const QByteArray& bytes, const QString& reason)
{
    m_rejected.append(bytes.isEmpty() ? reason : QStringLiteral("%1: %2").arg(QString::fromLatin1(bytes.toHex()), reason));
}

void SimulatedLink::clearLinkRecords()
{
    m_rejected.clear();
    m_penCommands.clear();
    m_device.commands.clear();
    m_device.typedKeys.clear();
}

bool SimulatedLink::takePenCommand(int plan, quint8 command, const QByteArray& arguments, const QByteArray& frameBytes)
{
    bool known = false;
    bool argumentsOk = false;
    if (plan == 6) {
        known = command == 0xB0 || command == 0xB1 || command == 0xB4 || command == 0xB5 || command == 0xFF;
        argumentsOk = command == 0xFF ? arguments.size() == 2 : arguments.isEmpty();
    } else if (plan == 2) {
        known = command == 0xAA || command == 0xAB || command == 0xAC;
        argumentsOk = command == 0xAA ? arguments.size() == 1 && quint8(arguments.at(0)) <= 4 : arguments.isEmpty();
    }
    if (!known)
        return false;
    if (!argumentsOk) {
        reject(frameBytes, QStringLiteral("laser-pen command with wrong arguments"));
        return true;
    }
    m_penCommands.append(QString::fromLatin1(frameBytes.toHex()));
    understood(frameBytes);
    return true;
}

void SimulatedLink::carryOut(int penPlan, quint8 command, const QByteArray& arguments, const QByteArray& frameBytes)
{
    if (takePenCommand(penPlan, command, arguments, frameBytes))
        return;
    QString why;
    const std::optional<QList<QByteArray>> replies = m_device.answer(command, arguments, &why);
    if (!replies)
        return reject(frameBytes, why);
    understood(frameBytes);
    if (command == 0x20 && !m_voice.isStreaming())
        m_voice.start();
    else if (command == 0x21)
        m_voice.stop();
    for (const QByteArray& payload : *replies) {
        switch (m_mode) {
        case SimulatedDevice::AnswerMode::Normal:
            deliver(frame(payload), replyDelayMs);
            break;
        case SimulatedDevice::AnswerMode::Late:
            deliver(frame(payload), lateDelayMs);
            break;
        case SimulatedDevice::AnswerMode::Garbage:
            deliver(SimulatedDevice::corrupt(frame(payload), m_garbageTurn++), replyDelayMs);
            break;
        case SimulatedDevice::AnswerMode::Silent:
            break;
        }
    }
}
