#pragma once

#include "VQNetBaseScene.h"

#include <QString>

// Signs in: POST to the account API's "login" with the query parameters "account", "password"
// and "serialNo" (the device record's serial number when the scene is made, "" when none), in
// that order, and no body. The result is the reply's data (the login record).
class VQLoginScene : public VQNetBaseScene {
public:
    static constexpr char kPath[] = "login";

    VQLoginScene();

    // The account name (phone number or e-mail address).
    QString account() const { return m_account; }
    void setAccount(const QString& account) { m_account = account; }

    // The password.
    QString password() const { return m_password; }
    void setPassword(const QString& password) { m_password = password; }

protected:
    ParameterList sceneParameters() const override;

private:
    QString m_account;
    QString m_password;
    QString m_serialNo;
};
