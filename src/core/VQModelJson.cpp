#include "VQModelJson.h"

#include "VQLanguageManager.h"

#include <QJsonValue>

#include <cmath>

namespace VQModelJson {

namespace {

QString textOf(const QJsonValue& value)
{
    if (value.isString()) {
        const QString text = value.toString();
        // An empty text is set, not unset.
        return text.isNull() ? QString(QLatin1String("")) : text;
    }
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (std::isfinite(number) && number == std::floor(number) && std::fabs(number) < 9.0e15)
            return QString::number(qint64(number));
        return QString::number(number, 'g', 17);
    }
    return {};
}

} // namespace

QString text(const QJsonObject& object, const QString& key)
{
    return textOf(object.value(key));
}

void setText(QJsonObject& object, const QString& key, const QString& value)
{
    if (!value.isNull())
        object.insert(key, value);
}

QMap<QString, QString> textMap(const QJsonObject& object, const QString& key)
{
    QMap<QString, QString> out;
    const QJsonObject map = object.value(key).toObject();
    for (auto it = map.begin(); it != map.end(); ++it) {
        const QString value = textOf(it.value());
        if (!value.isNull())
            out.insert(it.key(), value);
    }
    return out;
}

QJsonObject textMapJson(const QMap<QString, QString>& map)
{
    QJsonObject out;
    for (auto it = map.begin(); it != map.end(); ++it)
        out.insert(it.key(), it.value());
    return out;
}

QString localizedName(const QMap<QString, QString>& names, const QString& name)
{
    const auto found = names.constFind(VQLanguageManager::sharedInstance().readUILanguageCode());
    if (found != names.constEnd())
        return found.value();
    if (!name.isNull())
        return name;
    return QString(QLatin1String(""));
}

} // namespace VQModelJson
