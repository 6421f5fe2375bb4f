#include "SimulatedBleMouse.h"

#include <QTimer>

SimulatedBleMouse::SimulatedBleMouse(QObject* parent)
    : QObject(parent)
    , SimulatedLink(27) // a plan 1 frame leaves 27 bytes of arguments
{
    m_device.hasReceiver = false;
    m_device.values.deviceType = 0;
    BleCentral::setInstance(this);
}

SimulatedBleMouse::~SimulatedBleMouse()
{
    BleCentral::setInstance(nullptr);
}

int SimulatedBleMouse::voiceRate() const
{
    const int type = m_device.values.deviceType;
    return type == 2 || type == 5 ? 16000 : 8000;
}

void SimulatedBleMouse::clearRecords()
{
    m_written.clear();
    clearLinkRecords();
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
    voice().stop(); // its voice end is lost with the connection
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

void SimulatedBleMouse::deliver(const QByteArray& value, int delayMs)
{
    if (!m_connected)
        return;
    const int connection = m_connection;
    m_delivery.after(delayMs, [this, connection, value] {
        if (connection == m_connection && m_connected && m_handlers.notified)
            m_handlers.notified(value);
    });
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
    const auto reject = [this, &value](const QString& reason) { SimulatedLink::reject(value, reason); };
    if (value.size() < 6 || quint8(value.at(0)) != 0x0D || quint8(value.at(1)) != 0xA5 || quint8(value.at(2)) != 0x4D)
        return reject(QStringLiteral("not a 0d a5 4d frame"));
    const int length = quint8(value.at(3));
    // Exactly the frame: no padding over Bluetooth.
    if (length < 4 || 2 + length != value.size())
        return reject(QStringLiteral("length byte %1 for %2 bytes").arg(length).arg(value.size()));
    if (quint8(value.at(value.size() - 1)) != 0x4C)
        return reject(QStringLiteral("no 4c at the end"));
    // Its laser-pen commands are those of plan 2.
    carryOut(2, quint8(value.at(4)), value.mid(5, length - 4), value);
}
