#include "VQMouseInfoItem.h"

#include "UserDefaults.h"

namespace {

QString keyText(const char* key)
{
    return QString::fromLatin1(key);
}

// Identity keys that older versions stored and read back as the connected device's identity.
constexpr const char* kObsoleteIdentityKeys[] = {
    VQMouseInfoItem::VQ_Corvane_Vid_Key,
    VQMouseInfoItem::VQ_Corvane_Pid_Key,
    VQMouseInfoItem::VQ_Corvane_Sn_Key,
    VQMouseInfoItem::VQ_Corvane_FirmwareVersion_Key,
    VQMouseInfoItem::VQ_Corvane_ReceiverVersion_Key,
    VQMouseInfoItem::VQ_Corvane_DeviceType_Key,
    VQMouseInfoItem::VQ_Corvane_MouseType_Key,
    VQMouseInfoItem::VQ_Corvane_MouseSource_Key,
    VQMouseInfoItem::VQ_Corvane_SensorType_Key,
};

bool isKnownSource(qint64 source)
{
    return source >= VQMouseInfoItem::MouseSourceDomestic && source <= VQMouseInfoItem::MouseSourceAsiaPacific;
}

} // namespace

VQMouseInfoItem::VQMouseInfoItem()
{
    reload();
}

void VQMouseInfoItem::reload()
{
    m_fields = Fields{};
    UserDefaults& defaults = UserDefaults::standard();
    const QString lastKey = keyText(VQ_Corvane_LastMouseSource_Key);
    const QString olderKey = keyText(VQ_Corvane_MouseSource_Key);
    // An older version's stored region still tells the region; nothing else of its record is used.
    if (!defaults.hasValueForKey(lastKey) && defaults.hasValueForKey(olderKey)
        && isKnownSource(defaults.integerForKey(olderKey)))
        defaults.setValue(lastKey, defaults.integerForKey(olderKey));
    for (const char* key : kObsoleteIdentityKeys)
        defaults.removeObjectForKey(keyText(key));
    const qint64 source = defaults.integerForKey(lastKey);
    m_lastKnownMouseSource = isKnownSource(source) ? source : MouseSourceDomestic;
}

void VQMouseInfoItem::setMouseSource(qint64 source)
{
    m_fields.mouseSource = source;
    m_fields.mouseSourceReported = true;
    if (!isKnownSource(source) || source == m_lastKnownMouseSource)
        return;
    m_lastKnownMouseSource = source;
    UserDefaults::standard().setValue(keyText(VQ_Corvane_LastMouseSource_Key), source);
}
