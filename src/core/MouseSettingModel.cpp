#include "MouseSettingModel.h"

#include "QRNLocalizedString.h"
#include "VQKeyType.h"
#include "VQModelJson.h"
#include "VQPressKind.h"

#include <array>
#include <utility>

namespace {

constexpr char kNameKey[] = "name";
constexpr char kNamesKey[] = "names";
constexpr char kChildsKey[] = "childs";
constexpr char kKeyTypeKey[] = "keyType";

using Model = MouseSettingModel;

using TextField = VQModelJson::TextField<Model>;

constexpr std::array<TextField, 13> kTextFields{{
    {"id", &Model::idStr, &Model::setIdStr},
    {"edit", &Model::edit, &Model::setEdit},
    {"keyName", &Model::keyName, &Model::setKeyName},
    {"opId", &Model::opId, &Model::setOpId},
    {"keyId", &Model::keyId, &Model::setKeyId},
    {"keyUp", &Model::keyUp, &Model::setKeyUp},
    {"keyDown", &Model::keyDown, &Model::setKeyDown},
    {"sort", &Model::sort, &Model::setSort},
    {"parentId", &Model::parentId, &Model::setParentId},
    {"cmdId", &Model::cmdId, &Model::setCmdId},
    {"productModelId", &Model::productModelId, &Model::setProductModelId},
    {"first", &Model::first, &Model::setFirst},
    {"key", &Model::key, &Model::setKey},
}};

constexpr std::array<std::pair<const char*, quint64>, 7> kKeyTypes{{
    {Model::kKeyDpi, VQKeyType::kDpi},
    {Model::kKeyCenter, VQKeyType::kMiddleButton},
    {Model::kKeyVoice, VQKeyType::kVoice},
    {Model::kKeySearch, VQKeyType::kSearch},
    {Model::kKeyTranslate, VQKeyType::kTranslate},
    {Model::kKeyM, VQKeyType::kM},
    {Model::kKeyAI, VQKeyType::kAI},
}};

} // namespace

quint64 MouseSettingModel::keyTypeForKey(const QString& key)
{
    for (const auto& [text, type] : kKeyTypes) {
        if (key == QLatin1String(text))
            return type;
    }
    return VQKeyType::kNone;
}

std::shared_ptr<MouseSettingModel> MouseSettingModel::createMouseAuxiliarySetModel()
{
    auto model = std::make_shared<MouseSettingModel>();
    model->m_name = QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kAuxiliaryNameText));
    model->m_key = QString::fromLatin1(kKeyAuxiliary);
    return model;
}

std::shared_ptr<MouseSettingModel> MouseSettingModel::fromJson(const QJsonObject& json)
{
    auto model = std::make_shared<MouseSettingModel>();
    VQModelJson::readTextFields(*model, json, kTextFields);
    model->m_name = VQModelJson::text(json, QLatin1String(kNameKey));
    model->m_names = VQModelJson::textMap(json, QLatin1String(kNamesKey));
    model->m_childs = VQModelJson::modelList<KeySettingModel>(json.value(QLatin1String(kChildsKey)).toArray());
    return model;
}

QJsonObject MouseSettingModel::toJson() const
{
    QJsonObject json;
    VQModelJson::writeTextFields(*this, json, kTextFields);
    VQModelJson::setText(json, QLatin1String(kNameKey), m_name);
    json.insert(QLatin1String(kNamesKey), VQModelJson::textMapJson(m_names));
    json.insert(QLatin1String(kChildsKey), VQModelJson::modelListJson(m_childs));
    json.insert(QLatin1String(kKeyTypeKey), qint64(keyType()));
    return json;
}

MouseSettingModel::List MouseSettingModel::listFromJson(const QJsonArray& array)
{
    return VQModelJson::modelList<MouseSettingModel>(array);
}

QJsonArray MouseSettingModel::listToJson(const List& list)
{
    return VQModelJson::modelListJson(list);
}

std::shared_ptr<KeySettingSubModel> MouseSettingModel::chosenFunction(const List& list, quint64 keyType,
                                                                      int pressKind)
{
    const quint64 pressType = quint64(qMax(VQPressKind::modelKindOf(pressKind), VQPressKind::kNone));
    std::shared_ptr<KeySettingSubModel> chosen;
    if (keyType == VQKeyType::kNone || pressType == VQPressKind::kNone)
        return chosen;
    for (const auto& key : list) {
        if (!key || key->keyType() != keyType)
            continue;
        for (const auto& press : key->childs()) {
            if (!press || press->keyPressType() != pressType)
                continue;
            for (const auto& function : press->childs()) {
                if (function && function->isChosen())
                    chosen = function;
            }
        }
    }
    return chosen;
}

QString MouseSettingModel::name() const
{
    return VQModelJson::localizedName(m_names, m_name);
}
