#pragma once

#include "VQNetBaseScene.h"

#include <QString>

// Saves one chosen key function: POST "/saveCustomerKey" on the maker's API, a form body of the
// common device parameters and the fields below (unset fields are sent as ""); the result is
// the reply's data.
class VQSaveCustomerKeyScene : public VQNetBaseScene {
public:
    static constexpr char kPath[] = "/saveCustomerKey";

    VQSaveCustomerKeyScene();

    // The function's command id.
    QString cmdId() const { return m_cmdId; }
    void setCmdId(const QString& cmdId) { m_cmdId = cmdId; }

    // The key's id.
    QString keyId() const { return m_keyId; }
    void setKeyId(const QString& keyId) { m_keyId = keyId; }

    // The function's operation id.
    QString opId() const { return m_opId; }
    void setOpId(const QString& opId) { m_opId = opId; }

    // The device's serial number.
    QString sn() const { return m_sn; }
    void setSn(const QString& sn) { m_sn = sn; }

    // The id of the device's key-function record.
    QString userModelId() const { return m_userModelId; }
    void setUserModelId(const QString& userModelId) { m_userModelId = userModelId; }

    // The function's first attribute.
    QString attr0() const { return m_attr0; }
    void setAttr0(const QString& attr0) { m_attr0 = attr0; }

    // The function's second attribute.
    QString attr1() const { return m_attr1; }
    void setAttr1(const QString& attr1) { m_attr1 = attr1; }

    // The function's third attribute.
    QString attr2() const { return m_attr2; }
    void setAttr2(const QString& attr2) { m_attr2 = attr2; }

protected:
    ParameterList sceneParameters() const override;

private:
    QString m_cmdId;
    QString m_keyId;
    QString m_opId;
    QString m_sn;
    QString m_userModelId;
    QString m_attr0;
    QString m_attr1;
    QString m_attr2;
};
