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
