// A sample as the student sets it, turned into the state the result is computed from; the result
// tests write their cases in these terms.
#pragma once

#include "protocol/instruments.h"
#include "protocol/preparationstate.h"
#include "protocol/resultcomputation.h"

#include <optional>

namespace dosarium::test {

// The balance or selector position and the flask position (0 to 6 for 25 to 1000 mL).
struct Protocol {
    int reagent;
    SamplingTool tool;
    int position;
    int flaskPosition;
};

inline PreparationState stateOf(const Protocol& p)
{
    PreparationState s;
    s.reagentIndex = qint16(p.reagent);
    s.samplingTool = p.tool;
    s.flaskVolume = *instruments::flaskVolumeAt(p.flaskPosition);
    if (p.tool == SamplingTool::Balance)
        s.sampledMass = instruments::sampledMassAt(p.position);
    else
        s.sampledVolume = *instruments::sampledVolumeAt(p.tool, p.position);
    return s;
}

// The result the bench shows for a sample it accepts; none for a refused one.
inline std::optional<PreparationResult> acceptedResult(const Protocol& p)
{
    const PreparationState state = stateOf(p);
    if (checkPreparation(state) != Refusal::None)
        return std::nullopt;
    return computeResult(state);
}

inline constexpr auto balance = SamplingTool::Balance;
inline constexpr auto flask = SamplingTool::VolumetricFlask;
inline constexpr auto cylinder = SamplingTool::GraduatedCylinder;
inline constexpr auto pipette = SamplingTool::VolumetricPipette;
inline constexpr auto graduated = SamplingTool::GraduatedPipette;

} // namespace dosarium::test
