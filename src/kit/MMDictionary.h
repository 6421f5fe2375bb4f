#pragma once

#include <QString>
#include <QVariantMap>

#include <optional>

// Free helpers on key-value maps, in place of the dictionary categories of the system's own
// toolkit.
namespace mm {

// The value under the key as text: a text as it is, a number (or a truth value, as 1 or 0) as
// its decimal text, integral values without a fraction; the default for a missing key or any
// other type.
QString stringValueForKey(const QVariantMap& map, const QString& key, const QString& def);

// The truth value of a number (non-zero), a truth value, or a text (after leading blanks, an
// optional sign and leading zeros: true when it begins with Y, y, T, t or a digit 1-9); the
// default for a missing key or any other type.
bool boolValueForKey(const QVariantMap& map, const QString& key, bool def);

// The map as compact JSON text; nullopt when some value cannot be written as JSON (only
// texts, numbers, truth values, null, lists and maps can; infinite and NaN numbers cannot).
std::optional<QString> jsonStringEncoded(const QVariantMap& map);

} // namespace mm
