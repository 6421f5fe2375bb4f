#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QLatin1String>
#include <QMap>
#include <QString>

#include <array>
#include <cstddef>
#include <memory>

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

// One text field of a model: its JSON key and the model's getter and setter.
template <class Model>
struct TextField {
    const char* key;
    QString (Model::*get)() const;
    void (Model::*set)(const QString&);
};

// A list of models from a JSON array: members that are not objects are skipped.
template <class Model>
QList<std::shared_ptr<Model>> modelList(const QJsonArray& array)
{
    QList<std::shared_ptr<Model>> list;
    for (const QJsonValue& value : array) {
        if (value.isObject())
            list.append(Model::fromJson(value.toObject()));
    }
    return list;
}

// A JSON array of models; empty entries are left out.
template <class Model>
QJsonArray modelListJson(const QList<std::shared_ptr<Model>>& list)
{
    QJsonArray array;
    for (const auto& model : list) {
        if (model)
            array.append(model->toJson());
    }
    return array;
}

template <class Model, std::size_t N>
void readTextFields(Model& model, const QJsonObject& json, const std::array<TextField<Model>, N>& fields)
{
    for (const TextField<Model>& field : fields)
        (model.*field.set)(text(json, QLatin1String(field.key)));
}

template <class Model, std::size_t N>
void writeTextFields(const Model& model, QJsonObject& json, const std::array<TextField<Model>, N>& fields)
{
    for (const TextField<Model>& field : fields)
        setText(json, QLatin1String(field.key), (model.*field.get)());
}

} // namespace VQModelJson
