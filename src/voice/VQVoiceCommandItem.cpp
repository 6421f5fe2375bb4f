#include "VQVoiceCommandItem.h"

#include "MMLog.h"

#include <array>

namespace {

// The type words in typeIndex order.
constexpr std::array<const char*, 6> kTypeWords = {
    VQVoiceCommandItem::kTypeFile,      VQVoiceCommandItem::kTypeFolder, VQVoiceCommandItem::kTypeWebsite,
    VQVoiceCommandItem::kTypeShortcuts, VQVoiceCommandItem::kTypeText,   VQVoiceCommandItem::kTypePhrase,
};

QString textMember(const QJsonObject& object, const char* key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isString())
        return QString();
    QString text = value.toString();
    // An empty text is a value: keep it apart from "not set".
    if (text.isNull())
        text = QLatin1String("");
    return text;
}

} // namespace

qint64 VQVoiceCommandItem::typeIndex() const
{
    for (size_t i = 0; i < kTypeWords.size(); ++i) {
        if (cmdType == QLatin1String(kTypeWords[i]))
            return static_cast<qint64>(i);
    }
    return kFileIndex;
}

void VQVoiceCommandItem::setTypeIndex(qint64 index)
{
    if (index >= 0 && index < static_cast<qint64>(kTypeWords.size()))
        cmdType = QLatin1String(kTypeWords[static_cast<size_t>(index)]);
    else
        cmdType = QLatin1String("");
}

bool VQVoiceCommandItem::sameCustomCommand(const VQVoiceCommandItem& other) const
{
    return typeIndex() == other.typeIndex() && customCmd == other.customCmd;
}

VQVoiceCommandItem VQVoiceCommandItem::fromJson(const QJsonObject& object)
{
    VQVoiceCommandItem item;
    item.cmdType = textMember(object, kCmdTypeKey);
    item.customCmd = textMember(object, kCustomCmdKey);
    item.customName = textMember(object, kCustomNameKey);
    item.cmdWord = textMember(object, kCmdWordKey);
    item.cmdExecute = textMember(object, kCmdExecuteKey);
    return item;
}

QList<VQVoiceCommandItem> VQVoiceCommandItem::listFromJson(const QJsonArray& array)
{
    QList<VQVoiceCommandItem> items;
    items.reserve(array.size());
    qsizetype skipped = 0;
    for (const QJsonValue& value : array) {
        if (!value.isObject()) {
            ++skipped;
            continue;
        }
        VQVoiceCommandItem item = fromJson(value.toObject());
        // A command is spoken by its word: a custom command by customCmd, a common one by
        // cmdWord. An item with neither would be a nameless row. A hot word is no command: an
        // empty one keeps its place among the hot words the recognition frames carry.
        if (!item.isHotWord() && item.customCmd.trimmed().isEmpty() && item.cmdWord.trimmed().isEmpty()) {
            ++skipped;
            continue;
        }
        items.append(std::move(item));
    }
    if (skipped > 0)
        VQLogWarn(QStringLiteral("%1 voice-command items without a command word skipped").arg(skipped));
    return items;
}

QJsonObject VQVoiceCommandItem::toJson() const
{
    QJsonObject object;
    for (const QString& name : propertyNames()) {
        if (name == QLatin1String(kTypeIndexKey)) {
            object.insert(name, typeIndex());
            continue;
        }
        if (const std::optional<QString> text = propertyText(name))
            object.insert(name, *text);
    }
    return object;
}

bool operator==(const VQVoiceCommandItem& a, const VQVoiceCommandItem& b)
{
    return a.cmdType == b.cmdType && a.customCmd == b.customCmd && a.customName == b.customName
        && a.cmdWord == b.cmdWord && a.cmdExecute == b.cmdExecute;
}

QStringList VQVoiceCommandItem::propertyNames() const
{
    return { QLatin1String(kCmdTypeKey), QLatin1String(kCustomCmdKey),  QLatin1String(kCustomNameKey),
             QLatin1String(kCmdWordKey), QLatin1String(kCmdExecuteKey), QLatin1String(kTypeIndexKey) };
}

std::optional<QString> VQVoiceCommandItem::propertyText(const QString& name) const
{
    const QString* member = nullptr;
    if (name == QLatin1String(kCmdTypeKey))
        member = &cmdType;
    else if (name == QLatin1String(kCustomCmdKey))
        member = &customCmd;
    else if (name == QLatin1String(kCustomNameKey))
        member = &customName;
    else if (name == QLatin1String(kCmdWordKey))
        member = &cmdWord;
    else if (name == QLatin1String(kCmdExecuteKey))
        member = &cmdExecute;
    else if (name == QLatin1String(kTypeIndexKey))
        return QString::number(typeIndex());
    if (member == nullptr || member->isNull())
        return std::nullopt;
    return *member;
}

void VQVoiceCommandItem::setPropertyText(const QString& name, const QString& text)
{
    // Stored empty texts come back as empty values, not as "not set".
    const QString value = text.isNull() ? QLatin1String("") : text;
    if (name == QLatin1String(kCmdTypeKey))
        cmdType = value;
    else if (name == QLatin1String(kCustomCmdKey))
        customCmd = value;
    else if (name == QLatin1String(kCustomNameKey))
        customName = value;
    else if (name == QLatin1String(kCmdWordKey))
        cmdWord = value;
    else if (name == QLatin1String(kCmdExecuteKey))
        cmdExecute = value;
    else if (name == QLatin1String(kTypeIndexKey)) {
        bool ok = false;
        const qint64 index = value.toLongLong(&ok);
        setTypeIndex(ok ? index : kFileIndex);
    }
}

VQVoiceCommandListItem VQVoiceCommandListItem::fromJson(const QJsonValue& reply)
{
    VQVoiceCommandListItem list;
    const QJsonObject object = reply.toObject();
    list.data = VQVoiceCommandItem::listFromJson(object.value(QLatin1String(kDataKey)).toArray());
    list.cmds = VQVoiceCommandItem::listFromJson(object.value(QLatin1String(kCmdsKey)).toArray());
    return list;
}
