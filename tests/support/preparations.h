// Finished preparations, clicked on the bench as a student does: the tests and the benchmarks save,
// reload and compare them.
#pragma once

#include "protocol/benchmodel.h"

namespace dosarium::test {

// 10 mL of acetic acid with the volumetric pipette, in the 200 mL flask.
inline void aceticAcidWithTheVolumetricPipette(BenchModel& m)
{
    m.liquide_MouseMove(2);
    m.liquide_Click(2);
    m.Label3_Click(1);
    m.pipjaug_Click();
    m.validprel_Click();
    m.validvol_Click();
}

inline void ethanolWeighed(BenchModel& m)
{
    m.liquide_MouseMove(0);
    m.liquide_Click(0);
    m.Label3_Click(0);
    m.setHScroll1Position(1578);
    m.masse_Click();
    m.setUpDown1Position(2);
    m.validvol_Click();
}

inline void ethanolWithTheCylinder(BenchModel& m)
{
    m.liquide_MouseMove(0);
    m.liquide_Click(0);
    m.Label3_Click(1);
    m.eprouvette_Click();
    m.setUpDown2Position(15);
    m.validprel_Click();
    m.setUpDown1Position(4);
    m.validvol_Click();
}

inline void glucoseWeighed(BenchModel& m)
{
    m.liquide_MouseMove(4);
    m.liquide_Click(4);
    m.setHScroll1Position(1234);
    m.masse_Click();
    m.setUpDown1Position(1);
    m.validvol_Click();
}

inline void permanganateWithTheGraduatedPipette(BenchModel& m)
{
    m.liquide_MouseMove(6);
    m.liquide_Click(6);
    m.pipgrad_Click();
    m.setUpDown2Position(37);
    m.validprel_Click();
    m.setUpDown1Position(0);
    m.validvol_Click();
}

inline void hydrochloricAcidWithTheFlaskRefused(BenchModel& m)
{
    m.liquide_MouseMove(8);
    m.liquide_Click(8);
    m.fiole_Click();
    m.setUpDown2Position(6);
    m.validprel_Click();
    m.setUpDown1Position(5);
    m.validvol_Click();
}

} // namespace dosarium::test
