#pragma once

#include "VQNetBaseScene.h"

#include <QString>

// The device's model information (customer key): GET "/getCustomerKey" on the maker's API with
// the common device parameters and "productCode"; "sn" is the scene's serial number. Both are
// taken when the scene is made (the product code of VQUserInfoData, the device record's serial
// number) and can be read back by the completion. The result is the reply's data: the record.
class VQGetCustomerKeyScene : public VQNetBaseScene {
public:
    static constexpr char kPath[] = "/getCustomerKey";

    VQGetCustomerKeyScene();

    // The product code the request asks for.
    QString productCode() const { return m_productCode; }

    // The serial number the request asks for.
    QString sn() const { return m_sn; }

protected:
    ParameterList sceneParameters() const override;

private:
    QString m_productCode;
    QString m_sn;
};
