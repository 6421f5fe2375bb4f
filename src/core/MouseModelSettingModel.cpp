#include "MouseModelSettingModel.h"

#include "VQModelJson.h"

#include <QJsonArray>

#include <array>

namespace {

constexpr char kKeyInfosKey[] = "keyInfos";

using Model = MouseModelSettingModel;

using TextField = VQModelJson::TextField<Model>;

constexpr std::array<TextField, 8> kTextFields{{
    {"id", &Model::modelId, &Model::setModelId},
    {"productId", &Model::productId, &Model::setProductId},
    {"productModelId", &Model::productModelId, &Model::setProductModelId},
    {"type", &Model::type, &Model::setType},
    {"name", &Model::name, &Model::setName},
    {"memberId", &Model::memberId, &Model::setMemberId},
    {"sno", &Model::sno, &Model::setSno},
    {"first", &Model::first, &Model::setFirst},
}};

} // namespace

std::shared_ptr<MouseModelSettingModel> MouseModelSettingModel::fromJson(const QJsonObject& json)
{
    auto model = std::make_shared<MouseModelSettingModel>();
    VQModelJson::readTextFields(*model, json, kTextFields);
    model->m_keyInfos = MouseSettingModel::listFromJson(json.value(QLatin1String(kKeyInfosKey)).toArray());
    return model;
}

QJsonObject MouseModelSettingModel::toJson() const
{
    QJsonObject json;
    VQModelJson::writeTextFields(*this, json, kTextFields);
    json.insert(QLatin1String(kKeyInfosKey), MouseSettingModel::listToJson(m_keyInfos));
    return json;
}
