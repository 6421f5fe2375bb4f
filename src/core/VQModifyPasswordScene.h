#pragma once

#include "VQNetBaseScene.h"

#include <QString>

// Resets the password: POST to the account API's "resetPwd" with the query parameters
// "account", "code" and "password" (the new one), and no body.
class VQModifyPasswordScene : public VQNetBaseScene {
public:
    static constexpr char kPath[] = "resetPwd";

    VQModifyPasswordScene();

    // The account name.
    QString account() const { return m_account; }
    void setAccount(const QString& account) { m_account = account; }

    // The verification code.
    QString code() const { return m_code; }
    void setCode(const QString& code) { m_code = code; }

    // The new password.
    QString password() const { return m_password; }
    void setPassword(const QString& password) { m_password = password; }

protected:
    ParameterList sceneParameters() const override;

private:
    QString m_account;
    QString m_code;
    QString m_password;
};
