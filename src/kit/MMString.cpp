#include "MMString.h"

#include "MMMacAddress.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLocale>
#include <QMutex>
#include <QStringView>

#include <cstdint>
#include <limits>

namespace mm {

namespace {

// Characters removed from both ends by deleteCharacters: space . @ ／ ： ； （ ） ¥ 「 」 ＂ 、
// [ ] { } # % - * + = _ \ | ~ ＜ ＞ $ € ^ • ' & ( ) and the ASCII double quote.
constexpr QStringView kTrimmedCharacters =
    u" .@\uFF0F\uFF1A\uFF1B\uFF08\uFF09\u00A5\u300C\u300D\uFF02\u3001[]{}#%-*+=_\\|~"
    u"\uFF1C\uFF1E$\u20AC^\u2022'&()\"";

bool isTrimmed(QChar c)
{
    return kTrimmedCharacters.contains(c);
}

// The integer value of the text as the system's own text-to-integer conversion reads it:
// leading white space, an optional sign, then as many decimal digits as follow; 0 without
// digits; saturated at the limits of 64 bits.
qint64 leadingIntegerValue(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == u'+' || text.at(i) == u'-')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    constexpr quint64 positiveLimit = quint64(std::numeric_limits<qint64>::max());
    constexpr quint64 negativeLimit = positiveLimit + 1;
    const quint64 limit = negative ? negativeLimit : positiveLimit;
    quint64 value = 0;
    for (; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            break;
        const quint64 digit = c - u'0';
        if (value > (limit - digit) / 10) {
            value = limit;
            break;
        }
        value = value * 10 + digit;
    }
    if (negative)
        return value == negativeLimit ? std::numeric_limits<qint64>::min() : -qint64(value);
    return qint64(value);
}

} // namespace

QString deleteCharacters(const QString& text)
{
    if (text.isEmpty())
        return {};
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmed(text.at(begin)))
        ++begin;
    while (end > begin && isTrimmed(text.at(end - 1)))
        --end;
    // mid() with a length of 0 gives the empty, non-null text.
    return text.mid(begin, end - begin);
}

QString getTimeStr()
{
    return QString::number(QDateTime::currentSecsSinceEpoch());
}

QString ConvertStrToTime(const QString& timeText, const QString& pattern)
{
    const QDateTime moment = QDateTime::fromSecsSinceEpoch(leadingIntegerValue(timeText));
    if (!moment.isValid())
        return QString();
    return QLocale().toString(moment, pattern);
}

std::optional<QVariantMap> dictionaryWithJsonString(const QString& text)
{
    if (text.isNull())
        return std::nullopt;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object().toVariantMap();
}

QString vq_md5(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

QString vq_base64EncodeString(const QString& text)
{
    return QString::fromLatin1(text.toUtf8().toBase64());
}

QString vq_getMacAddress()
{
    // The address does not change while the program runs; a computer without a card asks again.
    static QMutex mutex;
    static QString address;
    const QMutexLocker lock(&mutex);
    if (address.isNull())
        address = stableMacAddress(QStringLiteral("/sys/class/net"), permanentMacAddress);
    return address;
}

} // namespace mm
