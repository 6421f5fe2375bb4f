#pragma once

#include "VQNetBaseScene.h"

#include <QString>

// Asks for newer firmware: GET "/otaUpdate" on the maker's API with the common device
// parameters, "type" (kTypeMouse for the device, kTypeUsb for the receiver), "version" (the
// installed firmware version in upper case with every "V" removed) and "productCode". The
// result is the reply's data: an object with "version", "fileName" and "url" when a newer file
// is offered, null or an empty object when not.
class VQOTAUpdateScene : public VQNetBaseScene {
public:
    static constexpr char kPath[] = "/otaUpdate";
    static constexpr char kTypeMouse[] = "MOUSE";
    static constexpr char kTypeUsb[] = "USB";

    VQOTAUpdateScene();

    // kTypeMouse or kTypeUsb.
    QString type() const { return m_type; }
    void setType(const QString& type) { m_type = type; }

    // The installed firmware version as the device reports it ("v1.0.3"); sent normalised.
    QString firmwareVersion() const { return m_firmwareVersion; }
    void setFirmwareVersion(const QString& version) { m_firmwareVersion = version; }

    // The connected product's code.
    QString productCode() const { return m_productCode; }
    void setProductCode(const QString& code) { m_productCode = code; }

    // The version as sent: upper case, every "V" removed ("v1.0.3" gives "1.0.3").
    static QString normalizedVersion(const QString& version);

protected:
    ParameterList sceneParameters() const override;

private:
    QString m_type;
    QString m_firmwareVersion;
    QString m_productCode;
};
