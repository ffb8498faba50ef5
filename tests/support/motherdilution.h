// The steps both mother-solution tests take: a volumetric pipette into a flask, and the
// permanganate stock diluted once and kept as the mother solution.
#pragma once

#include "protocol/benchmodel.h"

#include <gtest/gtest.h>

namespace dosarium::test {

constexpr int permanganate = 6;
// Volumetric pipette positions 1, 2, 5, 10, 20, 25 mL; flask positions 25 to 1000 mL.
constexpr int pipette2mL = 1, pipette10mL = 3, pipette25mL = 5;
constexpr int flask50mL = 1, flask100mL = 2, flask1000mL = 6;

inline void pipetteInto(BenchModel& bench, int position, int flaskPosition)
{
    bench.pipjaug_Click();
    bench.setUpDown2Position(position);
    bench.validprel_Click();
    bench.setUpDown1Position(flaskPosition);
    bench.validvol_Click();
}

// 2 mL of the 0,50 mol/L stock made up to 1000 mL (1,00 × 10⁻³ mol/L, 0,4 %), kept as the mother
// solution.
inline void keepPermanganateMother(BenchModel& bench)
{
    bench.liquide_MouseMove(permanganate);
    bench.liquide_Click(permanganate);
    pipetteInto(bench, pipette2mL, flask1000mL);
    ASSERT_TRUE(bench.canUseAsMotherSolution());
    bench.useAsMotherSolution();
}

} // namespace dosarium::test
