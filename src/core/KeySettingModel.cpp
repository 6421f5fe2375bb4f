#include "KeySettingModel.h"

#include "VQModelJson.h"
#include "VQPressKind.h"

#include <QJsonArray>

#include <array>

namespace {

constexpr char kNameKey[] = "name";
constexpr char kNamesKey[] = "names";
constexpr char kChildsKey[] = "childs";
constexpr char kKeyPressTypeKey[] = "keyPressType";
constexpr char kSelectKeyKey[] = "selectKey";
constexpr char kSelectValueKey[] = "selectValue";
constexpr char kSelectIndexKey[] = "selectIndex";

using Model = KeySettingModel;

using TextField = VQModelJson::TextField<Model>;

constexpr std::array<TextField, 12> kTextFields{{
    {"id", &Model::idStr, &Model::setIdStr},
    {"edit", &Model::edit, &Model::setEdit},
    {"keyName", &Model::keyName, &Model::setKeyName},
    {"opId", &Model::opId, &Model::setOpId},
    {"keyId", &Model::keyId, &Model::setKeyId},
    {"sort", &Model::sort, &Model::setSort},
    {"parentId", &Model::parentId, &Model::setParentId},
    {"cmdId", &Model::cmdId, &Model::setCmdId},
    {"opName", &Model::opName, &Model::setOpName},
    {"productModelId", &Model::productModelId, &Model::setProductModelId},
    {"first", &Model::first, &Model::setFirst},
    {"operation", &Model::operation, &Model::setOperation},
}};

} // namespace

quint64 KeySettingModel::keyPressTypeForOperation(const QString& operation)
{
    if (operation == QLatin1String(kOperationSingle))
        return VQPressKind::kSingle;
    if (operation == QLatin1String(kOperationDouble))
        return VQPressKind::kDouble;
    if (operation == QLatin1String(kOperationLong))
        return VQPressKind::kLong;
    return VQPressKind::kNone;
}

std::shared_ptr<KeySettingModel> KeySettingModel::fromJson(const QJsonObject& json)
{
    auto model = std::make_shared<KeySettingModel>();
    VQModelJson::readTextFields(*model, json, kTextFields);
    model->m_name = VQModelJson::text(json, QLatin1String(kNameKey));
    model->m_names = VQModelJson::textMap(json, QLatin1String(kNamesKey));
    model->m_childs = VQModelJson::modelList<KeySettingSubModel>(json.value(QLatin1String(kChildsKey)).toArray());
    model->m_selectKey = VQModelJson::text(json, QLatin1String(kSelectKeyKey));
    model->m_selectValue = VQModelJson::text(json, QLatin1String(kSelectValueKey));
    const QJsonValue index = json.value(QLatin1String(kSelectIndexKey));
    if (index.isDouble())
        model->m_selectIndex = index.toInteger();
    return model;
}

QJsonObject KeySettingModel::toJson() const
{
    QJsonObject json;
    VQModelJson::writeTextFields(*this, json, kTextFields);
    VQModelJson::setText(json, QLatin1String(kNameKey), m_name);
    json.insert(QLatin1String(kNamesKey), VQModelJson::textMapJson(m_names));
    json.insert(QLatin1String(kChildsKey), VQModelJson::modelListJson(m_childs));
    json.insert(QLatin1String(kKeyPressTypeKey), qint64(keyPressType()));
    VQModelJson::setText(json, QLatin1String(kSelectKeyKey), selectKey());
    VQModelJson::setText(json, QLatin1String(kSelectValueKey), selectValue());
    json.insert(QLatin1String(kSelectIndexKey), selectIndex());
    return json;
}

QString KeySettingModel::name() const
{
    return VQModelJson::localizedName(m_names, m_name);
}

void KeySettingModel::updateSelection() const
{
    if (!m_selectKey.isNull())
        return;
    for (qsizetype i = 0; i < m_childs.size(); ++i) {
        const auto& child = m_childs.at(i);
        if (!child || !child->isChosen())
            continue;
        m_selectKey = child->idStr();
        m_selectValue = child->name();
        m_selectIndex = i;
    }
}

QString KeySettingModel::selectKey() const
{
    updateSelection();
    return m_selectKey;
}

QString KeySettingModel::selectValue() const
{
    updateSelection();
    return m_selectValue;
}

qint64 KeySettingModel::selectIndex() const
{
    updateSelection();
    return m_selectIndex;
}
