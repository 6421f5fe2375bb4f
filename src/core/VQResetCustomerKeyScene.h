#pragma once

#include "VQNetBaseScene.h"

#include <QString>

// Resets the device's key functions on the server: POST "/resetCustomerKey" on the maker's API,
// a form body of the common device parameters, "sn" and "userModelId"; the result is the
// reply's data.
class VQResetCustomerKeyScene : public VQNetBaseScene {
public:
    static constexpr char kPath[] = "/resetCustomerKey";

    VQResetCustomerKeyScene();

    // The device's serial number.
    QString sn() const { return m_sn; }
    void setSn(const QString& sn) { m_sn = sn; }

    // The id of the device's key-function record.
    QString userModelId() const { return m_userModelId; }
    void setUserModelId(const QString& userModelId) { m_userModelId = userModelId; }

protected:
    ParameterList sceneParameters() const override;

private:
    QString m_sn;
    QString m_userModelId;
};
