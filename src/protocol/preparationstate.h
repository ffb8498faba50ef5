// The current preparation: reagent, sample, flask and how far the protocol has gone.
#pragma once

#include <QtGlobal>

namespace dosarium {

enum class SamplingTool : qint16 {
    Balance = 0,
    VolumetricFlask = 1,
    GraduatedCylinder = 2,
    VolumetricPipette = 3,
    GraduatedPipette = 4,
};

enum class ProtocolStep : qint16 {
    NoPreparation = 0,
    Sampling = 1,
    FlaskChoice = 2,
    Prepared = 3,
};

// The field types are part of the result: the sample and flask are held in single precision, and
// the displayed concentration and uncertainty come from those rounded values.
struct PreparationState {
    qint16 reagentIndex = 0;
    float sampledMass = 0.0f;   // g
    float flaskVolume = 0.0f;   // mL
    float sampledVolume = 0.0f; // mL
    SamplingTool samplingTool = SamplingTool::Balance;
    ProtocolStep protocolStep = ProtocolStep::NoPreparation;

    bool operator==(const PreparationState&) const = default;
};

} // namespace dosarium
