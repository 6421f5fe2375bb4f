#pragma once

#include "VQNetBaseScene.h"

#include <QString>

// Registers an account: POST to the account API's "register" with the query parameters
// "account", "code", "password" and "type", and no body. The result is the reply's data (the
// login record).
class VQRegisterScene : public VQNetBaseScene {
public:
    static constexpr char kPath[] = "register";

    VQRegisterScene();

    // The account name.
    QString account() const { return m_account; }
    void setAccount(const QString& account) { m_account = account; }

    // The verification code.
    QString code() const { return m_code; }
    void setCode(const QString& code) { m_code = code; }

    // The password.
    QString password() const { return m_password; }
    void setPassword(const QString& password) { m_password = password; }

    // The account type, "EMAIL" or "PHONE".
    QString type() const { return m_type; }
    void setType(const QString& type) { m_type = type; }

protected:
    ParameterList sceneParameters() const override;

private:
    QString m_account;
    QString m_code;
    QString m_password;
    QString m_type;
};
