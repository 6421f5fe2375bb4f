#pragma once

#include "VQNetBaseScene.h"

#include <QString>

// The application keys of the device's channel: GET "/getAppKey" on the maker's API with the
// common device parameters and "source", the device record's last known source region as a decimal number
// (taken when the scene is made); the result is the reply's data, whose "appkey" is the key.
class VQGetAppKeyScene : public VQNetBaseScene {
public:
    static constexpr char kPath[] = "/getAppKey";

    VQGetAppKeyScene();

protected:
    ParameterList sceneParameters() const override;

private:
    QString m_source;
};
