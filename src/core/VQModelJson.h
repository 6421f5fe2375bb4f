#pragma once

#include <QJsonObject>
#include <QMap>
#include <QString>

// The text fields of the JSON-mapped key models. A field that is missing, null or of another
// type stays unset (a null text); a number is read as its decimal text, since ids may arrive as
// numbers. An unset text is left out when the model is written.
namespace VQModelJson {

QString text(const QJsonObject& object, const QString& key);
// Writes the text under the key; an unset (null) text is left out.
void setText(QJsonObject& object, const QString& key, const QString& value);

// A dictionary of texts (UI language code to display name); entries that are not texts are
// dropped.
QMap<QString, QString> textMap(const QJsonObject& object, const QString& key);
QJsonObject textMapJson(const QMap<QString, QString>& map);

// The display name of a key model: the entry of names for the current UI language, else the
// stored name, else the empty text.
QString localizedName(const QMap<QString, QString>& names, const QString& name);

} // namespace VQModelJson
