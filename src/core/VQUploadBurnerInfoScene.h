#pragma once

#include "VQNetBaseScene.h"

#include <QString>

// The hardware-record upload: GET "/addHardware" on the maker's API with "channel",
// "firmwareVersion" and "softVersion" (unset values sent as ""); the result is the reply's data.
class VQUploadBurnerInfoScene : public VQNetBaseScene {
public:
    static constexpr char kPath[] = "/addHardware";

    VQUploadBurnerInfoScene();

    // The channel text.
    QString channel() const { return m_channel; }
    void setChannel(const QString& channel) { m_channel = channel; }

    // The device's firmware version.
    QString firmwareVersion() const { return m_firmwareVersion; }
    void setFirmwareVersion(const QString& firmwareVersion) { m_firmwareVersion = firmwareVersion; }

    // The product code.
    QString softVersion() const { return m_softVersion; }
    void setSoftVersion(const QString& softVersion) { m_softVersion = softVersion; }

protected:
    ParameterList sceneParameters() const override;

private:
    QString m_channel;
    QString m_firmwareVersion;
    QString m_softVersion;
};
