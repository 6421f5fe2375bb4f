#pragma once

#include <QString>
#include <QVariantMap>

#include <optional>

// Free helpers on text, in place of the string categories of the system's own toolkit.
namespace mm {

// The text without the leading and trailing characters of a fixed set (space, ASCII and
// full-width punctuation, brackets and currency signs); characters inside the text are kept.
// A null QString for a null or empty input; the empty (non-null) text when every character
// belongs to the set.
QString deleteCharacters(const QString& text);

// The current Unix time in whole seconds (fraction cut off) as decimal text.
QString getTimeStr();

// Reads the integer value of timeText (leading blanks, an optional sign and the digits that
// follow; 0 when absent or not a number) as seconds since 1970 and formats that moment in the
// local time zone and the current locale. The pattern is a Qt date-time format string
// ("yyyy-MM-dd HH:mm:ss"), whose letters mostly agree with the usual date patterns; it is not
// an ICU pattern. The empty text when the moment cannot be represented.
QString ConvertStrToTime(const QString& timeText, const QString& pattern);

// The text parsed as a JSON object; nullopt for a null text or anything but a valid JSON
// object (an array, a number or malformed text).
std::optional<QVariantMap> dictionaryWithJsonString(const QString& text);

// Lower-case hexadecimal MD5 (32 characters) of the text's UTF-8 bytes up to the first zero
// byte.
QString vq_md5(const QString& text);

// Standard Base64 (padded, no line breaks) of the text's UTF-8 bytes.
QString vq_base64EncodeString(const QString& text);

// The computer's stable network address (stableMacAddress: the permanent address of the first
// physical card, up or not) as "%02X:%02X:%02X:%02X:%02X:%02X"; a null QString when there is
// none. Read once.
QString vq_getMacAddress();

} // namespace mm
