#pragma once

#include "VQNetBaseScene.h"

#include <QString>

// The signed-in user's record: GET of the account API's "memberInfo" with the query parameter
// "token". The result is the reply's data.
class VQUserInfoScene : public VQNetBaseScene {
public:
    static constexpr char kPath[] = "memberInfo";

    VQUserInfoScene();

    // The login token.
    QString token() const { return m_token; }
    void setToken(const QString& token) { m_token = token; }

protected:
    ParameterList sceneParameters() const override;

private:
    QString m_token;
};
