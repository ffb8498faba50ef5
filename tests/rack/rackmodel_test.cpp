#include "preparations.h"
#include "protocol/benchmodel.h"
#include "rack/rackmodel.h"
#include "scriptedmessageservice.h"

#include <QSignalSpy>
#include <cmath>
#include <gtest/gtest.h>

namespace dosarium {
namespace {

constexpr int copper = 7;

// Copper sulfate 1,0 mol/L diluted with the volumetric pipette (1, 2, 5, 10, 20, 25 mL) into the
// 100 mL flask.
Preparation copperDilution(int pipettePosition)
{
    return test::prepared(copper, SamplingTool::VolumetricPipette, {2, pipettePosition, 0});
}

std::optional<Tube> pouredFrom(const Preparation& preparation)
{
    ScriptedMessageService messages;
    BenchModel bench(messages);
    preparation.play(bench);
    return Tube::fromBench(bench);
}

std::vector<double> concentrations(const RackModel& rack)
{
    std::vector<double> result;
    for (const Tube& tube : rack.tubes())
        result.push_back(std::round(tube.concentration * 1e6) / 1e6); // single-precision results
    return result;
}

TEST(RackModel, PoursTheBenchResultInOrderAndRefusesWhatCannotServe)
{
    RackModel rack;
    QSignalSpy changes(&rack, &RackModel::changed);
    for (int position : {4, 1, 3, 2})
        EXPECT_EQ(rack.pour(pouredFrom(copperDilution(position))), PourOutcome::Poured);
    ASSERT_EQ(concentrations(rack), (std::vector<double>{0.02, 0.05, 0.1, 0.2}));
    const Tube& first = rack.tubes().front();
    EXPECT_EQ(first.preparation, copperDilution(1));
    EXPECT_EQ(first.reagentIndex, copper);
    EXPECT_GT(first.relativeUncertainty, 0.0);
    EXPECT_EQ(changes.count(), 4);

    rack.setUnknown(copper, 0.08);
    EXPECT_EQ(rack.placeUnknown(3, 2), BracketVerdict::Wrong);
    EXPECT_EQ(rack.bracket(), (Bracket{2, 3}));
    EXPECT_EQ(rack.placeUnknown(2, 1), BracketVerdict::Right);

    // A bench without a result, a colourless solution and another coloured species change nothing.
    ScriptedMessageService messages;
    BenchModel bench(messages);
    EXPECT_EQ(rack.pour(Tube::fromBench(bench)), PourOutcome::NoResult);
    EXPECT_EQ(rack.pour(pouredFrom(test::glucoseWeighed)), PourOutcome::Colourless);
    EXPECT_EQ(rack.pour(pouredFrom(test::permanganateWithTheGraduatedPipette)),
              PourOutcome::OtherSolution);
    EXPECT_EQ(rack.verdict(), BracketVerdict::Right);
    EXPECT_EQ(rack.tubes().size(), 4u);

    // A new tube or one taken away moves the tubes: the bracket must be given again.
    EXPECT_EQ(rack.pour(pouredFrom(copperDilution(3))), PourOutcome::Poured);
    EXPECT_FALSE(rack.bracket());
    EXPECT_EQ(concentrations(rack), (std::vector<double>{0.02, 0.05, 0.1, 0.1, 0.2}));
    rack.remove(0);
    EXPECT_EQ(concentrations(rack), (std::vector<double>{0.05, 0.1, 0.1, 0.2}));
    while (rack.pour(pouredFrom(copperDilution(5))) == PourOutcome::Poured) {
    }
    EXPECT_EQ(int(rack.tubes().size()), RackModel::capacity);
    EXPECT_EQ(rack.pour(pouredFrom(copperDilution(1))), PourOutcome::Full);
}

// 2 mL of the 0,50 mol/L permanganate stock made up to 1000 mL, kept as a mother solution, then
// 10 mL of it made up to 100 mL: the tube holds 1,00 · 10⁻⁴ mol/L, not the stock's dilution.
TEST(RackModel, ATubeOfADilutedMotherSolutionHoldsItsConcentrationAndBothUncertainties)
{
    constexpr int permanganate = 6;
    ScriptedMessageService messages;
    BenchModel bench(messages);
    const auto pipette = [&](int position, int flaskPosition) {
        bench.pipjaug_Click();
        bench.setUpDown2Position(position);
        bench.validprel_Click();
        bench.setUpDown1Position(flaskPosition);
        bench.validvol_Click();
    };
    bench.liquide_MouseMove(permanganate);
    bench.liquide_Click(permanganate);
    pipette(1, 6);
    const std::optional<Tube> mother = Tube::fromBench(bench);
    ASSERT_TRUE(mother && bench.canUseAsMotherSolution());
    bench.useAsMotherSolution();
    bench.flaconmere_MouseMove();
    bench.flaconmere_Click();
    pipette(3, 2);

    const std::optional<Tube> tube = Tube::fromBench(bench);
    ASSERT_TRUE(tube.has_value());
    EXPECT_NEAR(tube->concentration, 1.0e-4, 1e-9);
    EXPECT_NEAR(tube->relativeUncertainty, 2 * mother->relativeUncertainty, 1e-9);
    EXPECT_NE(tube->origin, mother->origin);
}

TEST(RackModel, RestoredTubesStandInOrderWithTheirBracket)
{
    RackContent content;
    for (double c : {0.2, 0.05, 0.1})
        content.tubes.push_back(Tube{std::nullopt, copper, c, 0.01, QStringLiteral("placard")});
    content.unknown = UnknownSolution{copper, 0.15};
    content.bracket = Bracket{2, 0}; // 0,10 and 0,20 in the file's order
    RackModel rack;
    rack.restore(content);
    EXPECT_EQ(concentrations(rack), (std::vector<double>{0.05, 0.1, 0.2}));
    EXPECT_EQ(rack.bracket(), (Bracket{1, 2}));
    EXPECT_EQ(rack.verdict(), BracketVerdict::Right);
}

} // namespace
} // namespace dosarium
