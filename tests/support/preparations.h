// Finished preparations as a student makes them: the tests and the benchmarks play them on a bench,
// save, reload and compare them.
#pragma once

#include "protocol/preparation.h"

namespace dosarium::test {

// Positions are {UpDown1, UpDown2, HScroll1}.
inline Preparation prepared(int reagent, SamplingTool tool, const SelectorPositions& at)
{
    return *Preparation::make(reagent, int(tool), at);
}

// 10 mL of acetic acid with the volumetric pipette, in the 200 mL flask.
inline const Preparation aceticAcidWithTheVolumetricPipette =
    prepared(2, SamplingTool::VolumetricPipette, {3, 3, 0});
inline const Preparation ethanolWeighed = prepared(0, SamplingTool::Balance, {2, 0, 1578});
inline const Preparation ethanolWithTheCylinder =
    prepared(0, SamplingTool::GraduatedCylinder, {4, 15, 0});
inline const Preparation glucoseWeighed = prepared(4, SamplingTool::Balance, {1, 0, 1234});
inline const Preparation permanganateWithTheGraduatedPipette =
    prepared(6, SamplingTool::GraduatedPipette, {0, 37, 0});
inline const Preparation hydrochloricAcidWithTheFlaskRefused =
    prepared(8, SamplingTool::VolumetricFlask, {5, 6, 0});

} // namespace dosarium::test
