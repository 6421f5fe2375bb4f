#include "SimulatedBleMouse.h"

#include <QTimer>

SimulatedBleMouse::SimulatedBleMouse(QObject* parent)
    : QObject(parent)
{
    m_device.hasReceiver = false;
    m_device.values.deviceType = 0;
    BleCentral::setInstance(this);
}

SimulatedBleMouse::~SimulatedBleMouse()
{
    BleCentral::setInstance(nullptr);
}

void SimulatedBleMouse::clearRecords()
{
    m_written.clear();
    m_rejected.clear();
    m_penCommands.clear();
    m_device.commands.clear();
    m_device.typedKeys.clear();
}

void SimulatedBleMouse::start(const Profile& profile, Handlers handlers)
{
    m_handlers = std::move(handlers);
    m_started = true;
    const auto same = [](const QString& a, const char* b) {
        return a.toLower().remove(QLatin1Char('{')).remove(QLatin1Char('}')) == QLatin1String(b);
    };
    m_profileMatches = same(profile.serviceUuid, kServiceUuid) && same(profile.writeCharacteristicUuid, kWriteUuid)
        && same(profile.notifyCharacteristicUuid, kNotifyUuid);
    maybeConnect();
}

void SimulatedBleMouse::stop()
{
    m_started = false;
    m_handlers = {};
    m_connected = false;
    ++m_connection;
}

void SimulatedBleMouse::bringInReach()
{
    m_inReach = true;
    maybeConnect();
}

void SimulatedBleMouse::takeAway()
{
    m_inReach = false;
    if (!m_connected)
        return;
    m_connected = false;
    m_voice.stop(); // its voice end is lost with the connection
    const int connection = ++m_connection;
    QTimer::singleShot(0, this, [this, connection] {
        if (connection == m_connection && m_handlers.disconnected)
            m_handlers.disconnected();
    });
}

void SimulatedBleMouse::maybeConnect()
{
    if (!m_started || !m_profileMatches || !m_inReach || m_connected)
        return;
    m_connected = true;
    const int connection = ++m_connection;
    QTimer::singleShot(0, this, [this, connection] {
        if (connection == m_connection && m_connected && m_handlers.connected)
            m_handlers.connected(QString::fromLatin1(kName), QString::fromLatin1(kAddress));
    });
}

QByteArray SimulatedBleMouse::frame(const QByteArray& payload) const
{
    QByteArray out;
    out.append(char(0x0D));
    out.append(char(0xA5));
    out.append(char(0x4D));
    out.append(char(payload.size() + 3));
    out.append(payload);
    out.append(char(0x4C));
    return out;
}

void SimulatedBleMouse::notify(const QByteArray& value, int delayMs)
{
    if (!m_connected)
        return;
    const int connection = m_connection;
    m_delivery.after(delayMs, [this, connection, value] {
        if (connection == m_connection && m_connected && m_handlers.notified)
            m_handlers.notified(value);
    });
}

void SimulatedBleMouse::sendKey(int keyNumber)
{
    sendPayload(SimulatedDevice::keyPayload(keyNumber));
}

void SimulatedBleMouse::sendPenEvent(int event, int state)
{
    sendPayload(SimulatedDevice::penEventPayload(event, state));
}

void SimulatedBleMouse::sendBattery(int level, int percent)
{
    m_device.values.batteryLevel = level;
    m_device.values.batteryPercent = percent;
    sendPayload(m_device.batteryPayload());
}

void SimulatedBleMouse::sendPayload(const QByteArray& payload)
{
    notify(frame(payload), replyDelayMs);
}

void SimulatedBleMouse::sendRaw(const QByteArray& value)
{
    notify(value, 0);
}

void SimulatedBleMouse::pressVoiceKey()
{
    sendKey(33);
    m_device.values.micOpen = true;
    m_voice.start();
}

void SimulatedBleMouse::releaseVoiceKey()
{
    sendKey(34);
    m_device.values.micOpen = false;
    m_voice.stop();
}

void SimulatedBleMouse::write(const QByteArray& value)
{
    if (!m_connected)
        return;
    m_written.append(QString::fromLatin1(value.toHex()));
    handleWrite(value);
}

void SimulatedBleMouse::handleWrite(const QByteArray& value)
{
    const auto reject = [this, &value](const QString& reason) {
        m_rejected.append(QStringLiteral("%1: %2").arg(QString::fromLatin1(value.toHex()), reason));
    };
    if (value.size() < 6 || quint8(value.at(0)) != 0x0D || quint8(value.at(1)) != 0xA5 || quint8(value.at(2)) != 0x4D)
        return reject(QStringLiteral("not a 0d a5 4d frame"));
    const int length = quint8(value.at(3));
    // Exactly the frame: no padding over Bluetooth.
    if (length < 4 || 2 + length != value.size())
        return reject(QStringLiteral("length byte %1 for %2 bytes").arg(length).arg(value.size()));
    if (quint8(value.at(value.size() - 1)) != 0x4C)
        return reject(QStringLiteral("no 4c at the end"));
    const quint8 command = quint8(value.at(4));
    const QByteArray arguments = value.mid(5, length - 4);

    if (command == 0xAA || command == 0xAB || command == 0xAC) {
        const bool argumentsOk =
            command == 0xAA ? arguments.size() == 1 && quint8(arguments.at(0)) <= 4 : arguments.isEmpty();
        if (!argumentsOk)
            return reject(QStringLiteral("laser-pen command with wrong arguments"));
        m_penCommands.append(QString::fromLatin1(value.toHex()));
        return;
    }
    QString why;
    const std::optional<QList<QByteArray>> replies = m_device.answer(command, arguments, &why);
    if (!replies)
        return reject(why);
    if (command == 0x20 && !m_voice.isStreaming())
        m_voice.start();
    else if (command == 0x21)
        m_voice.stop();
    for (const QByteArray& payload : *replies) {
        switch (m_mode) {
        case SimulatedDevice::AnswerMode::Normal:
            notify(frame(payload), replyDelayMs);
            break;
        case SimulatedDevice::AnswerMode::Late:
            notify(frame(payload), lateDelayMs);
            break;
        case SimulatedDevice::AnswerMode::Garbage:
            notify(SimulatedDevice::corrupt(frame(payload), m_garbageTurn++), replyDelayMs);
            break;
        case SimulatedDevice::AnswerMode::Silent:
            break;
        }
    }
}
