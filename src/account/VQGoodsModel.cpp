#include "VQGoodsModel.h"

#include "VQModelJson.h"

#include <QJsonArray>

#include <array>
#include <cmath>

namespace {

using SpecsField = VQModelJson::TextField<VQGoodsSpecsModel>;
using GoodsField = VQModelJson::TextField<VQGoodsModel>;

const std::array<SpecsField, 11> kSpecsFields { {
    { "unit", &VQGoodsSpecsModel::unit, &VQGoodsSpecsModel::setUnit },
    { "createTime", &VQGoodsSpecsModel::createTime, &VQGoodsSpecsModel::setCreateTime },
    { "goodsId", &VQGoodsSpecsModel::goodsId, &VQGoodsSpecsModel::setGoodsId },
    { "price", &VQGoodsSpecsModel::price, &VQGoodsSpecsModel::setPrice },
    { "num", &VQGoodsSpecsModel::num, &VQGoodsSpecsModel::setNum },
    { "name", &VQGoodsSpecsModel::name, &VQGoodsSpecsModel::setName },
    { "remark", &VQGoodsSpecsModel::remark, &VQGoodsSpecsModel::setRemark },
    { "id", &VQGoodsSpecsModel::idStr, &VQGoodsSpecsModel::setIdStr },
    { "goodsName", &VQGoodsSpecsModel::goodsName, &VQGoodsSpecsModel::setGoodsName },
    { "priceShow", &VQGoodsSpecsModel::priceShow, &VQGoodsSpecsModel::setPriceShow },
    { "status", &VQGoodsSpecsModel::status, &VQGoodsSpecsModel::setStatus },
} };

const std::array<GoodsField, 8> kGoodsFields { {
    { "alipa", &VQGoodsModel::alipa, &VQGoodsModel::setAlipa },
    { "createTime", &VQGoodsModel::createTime, &VQGoodsModel::setCreateTime },
    { "name", &VQGoodsModel::name, &VQGoodsModel::setName },
    { "wechat", &VQGoodsModel::wechat, &VQGoodsModel::setWechat },
    { "remark", &VQGoodsModel::remark, &VQGoodsModel::setRemark },
    { "id", &VQGoodsModel::idStr, &VQGoodsModel::setIdStr },
    { "type", &VQGoodsModel::type, &VQGoodsModel::setType },
    { "status", &VQGoodsModel::status, &VQGoodsModel::setStatus },
} };

bool flag(const QJsonValue& value)
{
    if (value.isBool())
        return value.toBool();
    if (value.isDouble()) {
        const double number = value.toDouble();
        return !std::isnan(number) && number != 0;
    }
    if (value.isString()) {
        const QString text = value.toString();
        return text == QLatin1String("true") || text == QLatin1String("1");
    }
    return false;
}

} // namespace

std::shared_ptr<VQGoodsSpecsModel> VQGoodsSpecsModel::fromJson(const QJsonObject& json)
{
    auto specs = std::make_shared<VQGoodsSpecsModel>();
    VQModelJson::readTextFields(*specs, json, kSpecsFields);
    specs->setIsSelected(flag(json.value(QLatin1String("isSelected"))));
    return specs;
}

std::shared_ptr<VQGoodsModel> VQGoodsModel::fromJson(const QJsonObject& json)
{
    auto goods = std::make_shared<VQGoodsModel>();
    VQModelJson::readTextFields(*goods, json, kGoodsFields);
    goods->setGoodsSpecs(VQModelJson::modelList<VQGoodsSpecsModel>(json.value(QLatin1String("goodsSpecs")).toArray()));
    return goods;
}
