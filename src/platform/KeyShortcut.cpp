#include "KeyShortcut.h"

#include "MacKeyMap.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QKeySequence>

#include <cmath>

namespace {

constexpr char16_t kControlSymbol = u'\u2303'; // ⌃
constexpr char16_t kOptionSymbol = u'\u2325';  // ⌥
constexpr char16_t kShiftSymbol = u'\u21E7';   // ⇧
constexpr char16_t kCommandSymbol = u'\u2318'; // ⌘

constexpr qint64 kMaxKeyCode = 0xFFFF;

} // namespace

KeyShortcut::KeyShortcut(int keyCode, quint64 modifierFlags)
    : m_keyCode(keyCode < 0 ? -1 : keyCode)
    , m_modifierFlags(keyCode < 0 ? 0 : (modifierFlags & MacKeyMap::kShortcutModifierMask))
{
}

QString KeyShortcut::modifierFlagsString() const
{
    QString symbols;
    if (m_modifierFlags & MacKeyMap::kFlagControl)
        symbols += QChar(kControlSymbol);
    if (m_modifierFlags & MacKeyMap::kFlagOption)
        symbols += QChar(kOptionSymbol);
    if (m_modifierFlags & MacKeyMap::kFlagShift)
        symbols += QChar(kShiftSymbol);
    if (m_modifierFlags & MacKeyMap::kFlagCommand)
        symbols += QChar(kCommandSymbol);
    return symbols;
}

quint64 KeyShortcut::modifierFlagsFromString(const QString& symbols)
{
    quint64 flags = 0;
    for (const QChar c : symbols) {
        switch (c.unicode()) {
        case kShiftSymbol:
            flags |= MacKeyMap::kFlagShift;
            break;
        case kControlSymbol:
            flags |= MacKeyMap::kFlagControl;
            break;
        case kCommandSymbol:
            flags |= MacKeyMap::kFlagCommand;
            break;
        case kOptionSymbol:
            flags |= MacKeyMap::kFlagOption;
            break;
        default:
            break;
        }
    }
    return flags;
}

QString KeyShortcut::toRecordJson() const
{
    if (!isValid())
        return {};
    QJsonObject record;
    record.insert(QLatin1String(kKeyCodeMember), m_keyCode);
    record.insert(QLatin1String(kModifierFlagsMember), static_cast<qint64>(m_modifierFlags));
    record.insert(QLatin1String(kModifierFlagsStringMember), modifierFlagsString());
    return QString::fromUtf8(QJsonDocument(record).toJson(QJsonDocument::Compact));
}

std::optional<qint64> KeyShortcut::integerMember(const QVariantMap& object, const QString& name)
{
    const QVariant value = object.value(name);
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return value.toLongLong();
    case QMetaType::Double: {
        const double d = value.toDouble();
        if (!std::isfinite(d) || d != std::floor(d) || std::fabs(d) > 9.0e15)
            return std::nullopt;
        return static_cast<qint64>(d);
    }
    default:
        return std::nullopt;
    }
}

KeyShortcut KeyShortcut::fromRecordJson(const QString& json)
{
    if (json.trimmed().isEmpty())
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    if (!document.isObject())
        return {};
    const QVariantMap object = document.object().toVariantMap();
    const std::optional<qint64> keyCode = integerMember(object, QLatin1String(kKeyCodeMember));
    if (!keyCode || *keyCode < 0 || *keyCode > kMaxKeyCode)
        return {};
    quint64 flags = 0;
    if (const std::optional<qint64> stored = integerMember(object, QLatin1String(kModifierFlagsMember)))
        flags = static_cast<quint64>(*stored);
    else
        flags = modifierFlagsFromString(object.value(QLatin1String(kModifierFlagsStringMember)).toString());
    return KeyShortcut(static_cast<int>(*keyCode), flags);
}

QVariant KeyShortcut::toVariant() const
{
    if (!isValid())
        return {};
    return QVariantMap{
        {QLatin1String(kKeyCodeMember), static_cast<qint64>(m_keyCode)},
        {QLatin1String(kModifierFlagsMember), static_cast<qint64>(m_modifierFlags)},
    };
}

KeyShortcut KeyShortcut::fromVariant(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString)
        return fromRecordJson(value.toString());
    if (value.typeId() != QMetaType::QVariantMap)
        return {};
    const QVariantMap map = value.toMap();
    const std::optional<qint64> keyCode = integerMember(map, QLatin1String(kKeyCodeMember));
    if (!keyCode || *keyCode < 0 || *keyCode > kMaxKeyCode)
        return {};
    const std::optional<qint64> flags = integerMember(map, QLatin1String(kModifierFlagsMember));
    return KeyShortcut(static_cast<int>(*keyCode), flags ? static_cast<quint64>(*flags) : 0);
}

KeyShortcut KeyShortcut::fromQtKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    const int keyCode = MacKeyMap::macKeyCodeForQtKey(qtKey, modifiers.testFlag(Qt::KeypadModifier));
    if (keyCode < 0)
        return {};
    quint64 flags = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        flags |= MacKeyMap::kFlagShift;
    if (modifiers.testFlag(Qt::ControlModifier))
        flags |= MacKeyMap::kFlagCommand;
    if (modifiers.testFlag(Qt::AltModifier))
        flags |= MacKeyMap::kFlagOption;
    if (modifiers.testFlag(Qt::MetaModifier))
        flags |= MacKeyMap::kFlagControl;
    return KeyShortcut(keyCode, flags);
}

Qt::KeyboardModifiers KeyShortcut::qtModifiers() const
{
    Qt::KeyboardModifiers modifiers;
    if (m_modifierFlags & MacKeyMap::kFlagShift)
        modifiers |= Qt::ShiftModifier;
    if (m_modifierFlags & MacKeyMap::kFlagCommand)
        modifiers |= Qt::ControlModifier;
    if (m_modifierFlags & MacKeyMap::kFlagOption)
        modifiers |= Qt::AltModifier;
    if (m_modifierFlags & MacKeyMap::kFlagControl)
        modifiers |= Qt::MetaModifier;
    return modifiers;
}

QString KeyShortcut::displayText() const
{
    if (!isValid())
        return {};
    const int qtKey = MacKeyMap::qtKeyForMacKeyCode(m_keyCode);
    if (qtKey == 0)
        return modifierFlagsString() + QString::number(m_keyCode);
    Qt::KeyboardModifiers modifiers = qtModifiers();
    if (MacKeyMap::isKeypadKey(m_keyCode))
        modifiers |= Qt::KeypadModifier;
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(qtKey))).toString(QKeySequence::NativeText);
}
