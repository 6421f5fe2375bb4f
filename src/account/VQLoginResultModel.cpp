#include "VQLoginResultModel.h"

#include "VQModelJson.h"

#include <QJsonObject>

#include <array>

namespace {

constexpr int kMillisecondDigits = 13;
constexpr int kSecondDigits = 10;

} // namespace

std::shared_ptr<VQLoginResultModel> VQLoginResultModel::fromJson(const QJsonValue& data)
{
    if (!data.isObject())
        return nullptr;
    using Field = VQModelJson::TextField<VQLoginResultModel>;
    static const std::array<Field, 15> fields { {
        { "id", &VQLoginResultModel::idStr, &VQLoginResultModel::setIdStr },
        { "version", &VQLoginResultModel::version, &VQLoginResultModel::setVersion },
        { "mac", &VQLoginResultModel::mac, &VQLoginResultModel::setMac },
        { "lastUpdatedBy", &VQLoginResultModel::lastUpdatedBy, &VQLoginResultModel::setLastUpdatedBy },
        { "lastUpdatedDate", &VQLoginResultModel::lastUpdatedDate, &VQLoginResultModel::setLastUpdatedDate },
        { "createdDate", &VQLoginResultModel::createdDate, &VQLoginResultModel::setCreatedDate },
        { "expiredTime", &VQLoginResultModel::expiredTime, &VQLoginResultModel::setExpiredTime },
        { "type", &VQLoginResultModel::type, &VQLoginResultModel::setType },
        { "lastLoginDate", &VQLoginResultModel::lastLoginDate, &VQLoginResultModel::setLastLoginDate },
        { "password", &VQLoginResultModel::password, &VQLoginResultModel::setPassword },
        { "createdBy", &VQLoginResultModel::createdBy, &VQLoginResultModel::setCreatedBy },
        { "token", &VQLoginResultModel::token, &VQLoginResultModel::setToken },
        { "account", &VQLoginResultModel::account, &VQLoginResultModel::setAccount },
        { "lastLoginIp", &VQLoginResultModel::lastLoginIp, &VQLoginResultModel::setLastLoginIp },
        { "status", &VQLoginResultModel::status, &VQLoginResultModel::setStatus },
    } };
    auto model = std::make_shared<VQLoginResultModel>();
    VQModelJson::readTextFields(*model, data.toObject(), fields);
    return model;
}

QString VQLoginResultModel::expiredTime() const
{
    if (m_expiredTime.size() >= kMillisecondDigits)
        return m_expiredTime.left(kSecondDigits);
    return m_expiredTime;
}
