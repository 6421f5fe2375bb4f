#pragma once

#include "VQNetBaseScene.h"

#include <QString>

// The token of the device's voice chip for the maker's voice-chip chat pages: GET "/getChipToken"
// on the maker's API with the common device parameters and "chipInfo" (the text the voice chip
// reported about itself). The result is the reply's data, whose "token" is the token.
class VQChipTokenScene : public VQNetBaseScene {
public:
    static constexpr char kPath[] = "/getChipToken";

    VQChipTokenScene();

    QString chipInfo() const { return m_chipInfo; }
    void setChipInfo(const QString& information) { m_chipInfo = information; }

protected:
    ParameterList sceneParameters() const override;

private:
    QString m_chipInfo;
};
