#pragma once

#include <QJsonValue>
#include <QString>

#include <memory>

// The signed-in user's record as the account server describes it: the data object of the
// login, registration and member-information replies. Every field is a text, unset (null) when
// the reply lacks it; a JSON number arrives as its decimal text, whole (ids and times in
// milliseconds included). Held in memory only, by VQUserInfoData::loginResult().
class VQLoginResultModel {
public:
    // The record of a reply's data, or none when the data is not a JSON object.
    static std::shared_ptr<VQLoginResultModel> fromJson(const QJsonValue& data);

    QString idStr() const { return m_idStr; } // JSON key "id"
    QString version() const { return m_version; }
    QString mac() const { return m_mac; }
    QString lastUpdatedBy() const { return m_lastUpdatedBy; }
    QString lastUpdatedDate() const { return m_lastUpdatedDate; }
    QString createdDate() const { return m_createdDate; }
    // The end of the account's validity in seconds since 1970: a stored text of 13 or more
    // characters (milliseconds) reads as its first 10 characters; any other, unset included,
    // as it is.
    QString expiredTime() const;
    QString type() const { return m_type; }
    QString lastLoginDate() const { return m_lastLoginDate; }
    QString password() const { return m_password; }
    QString createdBy() const { return m_createdBy; }
    QString token() const { return m_token; }
    QString account() const { return m_account; }
    QString lastLoginIp() const { return m_lastLoginIp; }
    QString status() const { return m_status; }

    void setIdStr(const QString& v) { m_idStr = v; }
    void setVersion(const QString& v) { m_version = v; }
    void setMac(const QString& v) { m_mac = v; }
    void setLastUpdatedBy(const QString& v) { m_lastUpdatedBy = v; }
    void setLastUpdatedDate(const QString& v) { m_lastUpdatedDate = v; }
    void setCreatedDate(const QString& v) { m_createdDate = v; }
    void setExpiredTime(const QString& v) { m_expiredTime = v; }
    void setType(const QString& v) { m_type = v; }
    void setLastLoginDate(const QString& v) { m_lastLoginDate = v; }
    void setPassword(const QString& v) { m_password = v; }
    void setCreatedBy(const QString& v) { m_createdBy = v; }
    void setToken(const QString& v) { m_token = v; }
    void setAccount(const QString& v) { m_account = v; }
    void setLastLoginIp(const QString& v) { m_lastLoginIp = v; }
    void setStatus(const QString& v) { m_status = v; }

private:
    QString m_idStr;
    QString m_version;
    QString m_mac;
    QString m_lastUpdatedBy;
    QString m_lastUpdatedDate;
    QString m_createdDate;
    QString m_expiredTime;
    QString m_type;
    QString m_lastLoginDate;
    QString m_password;
    QString m_createdBy;
    QString m_token;
    QString m_account;
    QString m_lastLoginIp;
    QString m_status;
};
