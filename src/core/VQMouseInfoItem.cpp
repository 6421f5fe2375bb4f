#include "VQMouseInfoItem.h"

#include "UserDefaults.h"

#include <QVariant>

namespace {

QString storedText(const UserDefaults& defaults, const char* key)
{
    const QString k = QString::fromLatin1(key);
    return defaults.hasValueForKey(k) ? defaults.stringForKey(k) : QString();
}

qint64 storedInteger(const UserDefaults& defaults, const char* key)
{
    return defaults.integerForKey(QString::fromLatin1(key));
}

// Writes the value, or removes the key for a null text.
void store(const char* key, const QVariant& value)
{
    UserDefaults::standard().setValue(QString::fromLatin1(key), value);
}

void storeText(const char* key, const QString& text)
{
    if (text.isNull())
        UserDefaults::standard().removeObjectForKey(QString::fromLatin1(key));
    else
        store(key, text);
}

} // namespace

VQMouseInfoItem::VQMouseInfoItem()
{
    reload();
}

void VQMouseInfoItem::reload()
{
    const UserDefaults& defaults = UserDefaults::standard();
    m_fields = Fields{};
    m_fields.vid = int(storedInteger(defaults, VQ_Corvane_Vid_Key));
    m_fields.pid = int(storedInteger(defaults, VQ_Corvane_Pid_Key));
    m_fields.sn = storedText(defaults, VQ_Corvane_Sn_Key);
    m_fields.firmwareVersion = storedText(defaults, VQ_Corvane_FirmwareVersion_Key);
    m_fields.receiverVersion = storedText(defaults, VQ_Corvane_ReceiverVersion_Key);
    m_fields.deviceType = storedInteger(defaults, VQ_Corvane_DeviceType_Key);
    // Model numbers are unsigned 64-bit; read them without the signed conversion of integerForKey.
    m_fields.mouseType = defaults.objectForKey(QString::fromLatin1(VQ_Corvane_MouseType_Key)).toULongLong();
    m_fields.mouseSource = storedInteger(defaults, VQ_Corvane_MouseSource_Key);
    m_fields.sensorType = storedInteger(defaults, VQ_Corvane_SensorType_Key);
}

void VQMouseInfoItem::setVid(int vid)
{
    if (m_fields.vid == vid)
        return;
    m_fields.vid = vid;
    store(VQ_Corvane_Vid_Key, vid);
}

void VQMouseInfoItem::setPid(int pid)
{
    if (m_fields.pid == pid)
        return;
    m_fields.pid = pid;
    store(VQ_Corvane_Pid_Key, pid);
}

void VQMouseInfoItem::setSn(const QString& sn)
{
    if (m_fields.sn == sn && m_fields.sn.isNull() == sn.isNull())
        return;
    m_fields.sn = sn;
    storeText(VQ_Corvane_Sn_Key, sn);
}

void VQMouseInfoItem::setFirmwareVersion(const QString& version)
{
    if (m_fields.firmwareVersion == version && m_fields.firmwareVersion.isNull() == version.isNull())
        return;
    m_fields.firmwareVersion = version;
    storeText(VQ_Corvane_FirmwareVersion_Key, version);
}

void VQMouseInfoItem::setReceiverVersion(const QString& version)
{
    if (m_fields.receiverVersion == version && m_fields.receiverVersion.isNull() == version.isNull())
        return;
    m_fields.receiverVersion = version;
    storeText(VQ_Corvane_ReceiverVersion_Key, version);
}

void VQMouseInfoItem::setDeviceType(qint64 type)
{
    if (m_fields.deviceType == type)
        return;
    m_fields.deviceType = type;
    store(VQ_Corvane_DeviceType_Key, type);
}

void VQMouseInfoItem::setMouseType(quint64 type)
{
    if (m_fields.mouseType == type)
        return;
    m_fields.mouseType = type;
    store(VQ_Corvane_MouseType_Key, QVariant::fromValue(type));
}

void VQMouseInfoItem::setMouseSource(qint64 source)
{
    if (m_fields.mouseSource == source)
        return;
    m_fields.mouseSource = source;
    store(VQ_Corvane_MouseSource_Key, source);
}

void VQMouseInfoItem::setSensorType(qint64 type)
{
    if (m_fields.sensorType == type)
        return;
    m_fields.sensorType = type;
    store(VQ_Corvane_SensorType_Key, type);
}
