#pragma once

#include "VQNetBaseScene.h"

#include <QString>

// The device's custom commands: GET "/deviceCmd" on the maker's API with the device record's
// serial number as "sn" ("" when none); the result is the whole reply.
class VQCustomInstructionScene : public VQNetBaseScene {
public:
    static constexpr char kPath[] = "/deviceCmd";

    VQCustomInstructionScene();

protected:
    ParameterList sceneParameters() const override;

private:
    QString m_sn;
};
