#include "MMDictionary.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <cmath>
#include <limits>

namespace mm {

namespace {

bool isNumberType(int typeId)
{
    switch (typeId) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

bool isFloatingType(int typeId)
{
    return typeId == QMetaType::Double || typeId == QMetaType::Float;
}

bool isUnsignedType(int typeId)
{
    return typeId == QMetaType::UInt || typeId == QMetaType::ULong
        || typeId == QMetaType::ULongLong || typeId == QMetaType::UShort
        || typeId == QMetaType::UChar;
}

QString numberText(const QVariant& value)
{
    const int typeId = value.typeId();
    if (isUnsignedType(typeId))
        return QString::number(value.toULongLong());
    if (!isFloatingType(typeId))
        return QString::number(value.toLongLong());
    const double d = value.toDouble();
    if (std::isfinite(d) && std::trunc(d) == d)
        return QString::number(d, 'f', 0); // 3.0 -> "3", 1e20 -> "100000000000000000000"
    return QString::number(d, 'g', QLocale::FloatingPointShortest);
}

// The system's text-to-truth-value reading: blanks, an optional sign and zeros are skipped;
// then Y, y, T, t or a digit 1-9 means true, anything else false.
bool textTruthValue(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i).isSpace())
        ++i;
    if (i < n && (text.at(i) == u'+' || text.at(i) == u'-'))
        ++i;
    while (i < n && text.at(i) == u'0')
        ++i;
    if (i == n)
        return false;
    const char16_t c = text.at(i).unicode();
    return c == u'Y' || c == u'y' || c == u'T' || c == u't' || (c >= u'1' && c <= u'9');
}

bool isJsonRepresentable(const QVariant& value)
{
    const int typeId = value.typeId();
    if (!value.isValid() || typeId == QMetaType::Nullptr || typeId == QMetaType::Bool
        || typeId == QMetaType::QString) {
        return true;
    }
    if (isNumberType(typeId))
        return !isFloatingType(typeId) || std::isfinite(value.toDouble());
    if (typeId == QMetaType::QStringList)
        return true;
    if (typeId == QMetaType::QVariantList) {
        const QVariantList list = value.toList();
        for (const QVariant& item : list) {
            if (!isJsonRepresentable(item))
                return false;
        }
        return true;
    }
    if (typeId == QMetaType::QVariantMap || typeId == QMetaType::QVariantHash) {
        const QVariantMap map = value.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            if (!isJsonRepresentable(it.value()))
                return false;
        }
        return true;
    }
    return false;
}

} // namespace

QString stringValueForKey(const QVariantMap& map, const QString& key, const QString& def)
{
    const auto it = map.constFind(key);
    if (it == map.cend())
        return def;
    const int typeId = it->typeId();
    if (typeId == QMetaType::QString)
        return it->toString();
    if (typeId == QMetaType::Bool)
        return it->toBool() ? QStringLiteral("1") : QStringLiteral("0");
    if (isNumberType(typeId))
        return numberText(*it);
    return def;
}

bool boolValueForKey(const QVariantMap& map, const QString& key, bool def)
{
    const auto it = map.constFind(key);
    if (it == map.cend())
        return def;
    const int typeId = it->typeId();
    if (typeId == QMetaType::Bool)
        return it->toBool();
    if (typeId == QMetaType::QString)
        return textTruthValue(it->toString());
    if (isFloatingType(typeId))
        return it->toDouble() != 0.0;
    if (isNumberType(typeId))
        return isUnsignedType(typeId) ? it->toULongLong() != 0 : it->toLongLong() != 0;
    return def;
}

std::optional<QString> jsonStringEncoded(const QVariantMap& map)
{
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (!isJsonRepresentable(it.value()))
            return std::nullopt;
    }
    const QByteArray json = QJsonDocument(QJsonObject::fromVariantMap(map)).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json);
}

} // namespace mm
