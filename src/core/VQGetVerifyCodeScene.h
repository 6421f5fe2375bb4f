#pragma once

#include "VQNetBaseScene.h"

#include <QString>

// Asks for a verification code: POST to the account API's "getCode" with the query parameters
// "account", "accountType", "codeType" and "country" ("" when unset), and no body.
class VQGetVerifyCodeScene : public VQNetBaseScene {
public:
    static constexpr char kPath[] = "getCode";

    VQGetVerifyCodeScene();

    // The account name.
    QString account() const { return m_account; }
    void setAccount(const QString& account) { m_account = account; }

    // "EMAIL" or "PHONE".
    QString accountType() const { return m_accountType; }
    void setAccountType(const QString& accountType) { m_accountType = accountType; }

    // "REGISTER" or "RESET".
    QString codeType() const { return m_codeType; }
    void setCodeType(const QString& codeType) { m_codeType = codeType; }

    // The country; usually empty.
    QString country() const { return m_country; }
    void setCountry(const QString& country) { m_country = country; }

protected:
    ParameterList sceneParameters() const override;

private:
    QString m_account;
    QString m_accountType;
    QString m_codeType;
    QString m_country;
};
