#include "VQTransferAudioModel.h"

VQTransferAudioModel::VQTransferAudioModel(QObject* parent)
    : QObject(parent)
{
}

QStringList VQTransferAudioModel::propertyNames() const
{
    return {QString::fromLatin1(kIdKey), QStringLiteral("path"), QStringLiteral("updateTime"), QStringLiteral("result"),
            QStringLiteral("status")};
}

std::optional<QString> VQTransferAudioModel::propertyText(const QString& name) const
{
    auto set = [](const QString& text) -> std::optional<QString> {
        if (text.isNull())
            return std::nullopt;
        return text;
    };
    if (name == QLatin1String(kIdKey))
        return set(idStr);
    if (name == QLatin1String("path"))
        return set(path);
    if (name == QLatin1String("updateTime"))
        return set(updateTime);
    if (name == QLatin1String("result"))
        return set(result);
    if (name == QLatin1String("status"))
        return QString::number(status);
    return std::nullopt;
}

void VQTransferAudioModel::setPropertyText(const QString& name, const QString& text)
{
    if (name == QLatin1String(kIdKey))
        idStr = text;
    else if (name == QLatin1String("path"))
        path = text;
    else if (name == QLatin1String("updateTime"))
        updateTime = text;
    else if (name == QLatin1String("result"))
        result = text;
    else if (name == QLatin1String("status")) {
        bool ok = false;
        const int value = text.toInt(&ok);
        // Anything unreadable counts as failed: such a row never shows a ring that never moves.
        status = ok && value >= Running && value <= Failed ? value : Failed;
    }
}
