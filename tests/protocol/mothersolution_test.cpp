// A prepared solution kept as a mother solution and diluted again: the bench, the result and the
// preparation value that remembers its mother.
#include "catalogue/labellayout.h"
#include "motherdilution.h"
#include "protocol/benchmodel.h"
#include "protocol/preparation.h"
#include "protocol/protocoltexts.h"
#include "protocol/resultcomputation.h"
#include "scriptedmessageservice.h"

#include <QTextBlock>
#include <gtest/gtest.h>

using namespace dosarium;
using namespace dosarium::bench;
using namespace dosarium::test;

namespace {

constexpr int glucose = 4;
constexpr int sodiumHydroxide = 5;

class MotherSolutionTest : public ::testing::Test {
  protected:
    ScriptedMessageService messages;
    BenchModel bench{messages, QLocale(QLocale::French, QLocale::France)};

    QStringList resultLines() const
    {
        return bench.resultDocument().toPlainText().split(QLatin1Char('\n'));
    }
    // The lines that follow the result in their own box.
    QStringList writingLines() const
    {
        return bench.resultWritingDocument().toPlainText().split(QLatin1Char('\n'));
    }
};

} // namespace

TEST_F(MotherSolutionTest, ADilutionOfThePreparedSolutionAddsBothUncertaintiesAndNamesItsMother)
{
    EXPECT_FALSE(bench.canUseAsMotherSolution()) << "no result yet";
    keepPermanganateMother(bench);
    const MotherSolution first{permanganate, 1e-3, 40};
    ASSERT_TRUE(bench.motherSolution());
    EXPECT_EQ(bench.motherSolution()->reagentIndex, first.reagentIndex);
    EXPECT_DOUBLE_EQ(bench.motherSolution()->concentration, first.concentration);
    EXPECT_EQ(bench.motherSolution()->uncertainty, first.uncertainty);

    // The bench starts again with the cupboard, the prepared bottle among its bottles.
    EXPECT_EQ(bench.state().protocolStep, ProtocolStep::NoPreparation);
    EXPECT_TRUE(bench.widget(flaconmere).visible);
    EXPECT_EQ(bench.widget(flaconmere).picture, flaskPicturePath(1000));
    EXPECT_EQ(bench.widget(flaconmere).accessibleName,
              QStringLiteral("Flacon : Solution mère de permanganate de potassium de "
                             "concentration : 1,00 · 10⁻³ mol · L⁻¹"));

    // Its label gives the solute's ions, then its own concentration and uncertainty.
    bench.flaconmere_MouseMove();
    EXPECT_EQ(bench.label1(), QStringLiteral("Permanganate de potassium"));
    EXPECT_EQ(bench.label2(), texts::motherSolutionKind);
    const std::optional<PreparedLabel> prepared = bench.preparedLabel();
    ASSERT_TRUE(prepared);
    const QStringList label = LabelLayout::lines(permanganate, &*prepared);
    EXPECT_EQ(label.value(2), QStringLiteral("Concentration : C = 1,00 · 10⁻³ mol.L-1"));
    EXPECT_EQ(label.value(3), QStringLiteral("Incertitude relative : 0,4 %"));
    // A dilution does not carry the stock's pictograms: its label sends the student to the stock.
    EXPECT_EQ(bench.visiblePictogram(), Hazard::None);
    EXPECT_EQ(prepared->hazards, texts::motherSolutionHazards);
    bench.liquide_MouseMove(permanganate);
    EXPECT_FALSE(bench.preparedLabel()) << "the cupboard's bottle of the same reagent";
    EXPECT_EQ(bench.label2(), QStringLiteral("Solution aqueuse"));
    EXPECT_EQ(bench.visiblePictogram(), Catalogue::reagent(permanganate)->hazard);
    EXPECT_NE(bench.visiblePictogram(), Hazard::None);

    // The bottle's liquid is drawn purple, and the chosen bottle keeps it.
    const QColor purple = bench.widget(flaconmere).liquid;
    ASSERT_TRUE(purple.isValid());
    EXPECT_GT(purple.red(), purple.green() + 40) << purple.name().toStdString();
    EXPECT_GT(purple.blue(), purple.green() + 40) << purple.name().toStdString();

    // A solution is taken with the glassware, whatever the solute.
    bench.flaconmere_MouseMove();
    bench.flaconmere_Click();
    EXPECT_FALSE(bench.widget(flaconmere).visible);
    EXPECT_EQ(bench.widget(choisi).picture, flaskPicturePath(1000));
    EXPECT_EQ(bench.widget(choisi).liquid, purple);
    EXPECT_EQ(bench.widget(conseil).caption, texts::chooseGlassware);
    pipetteInto(bench, pipette10mL, flask100mL);

    ASSERT_TRUE(messages.shown.isEmpty());
    // The lines every result has stay as they are for the cupboard's bottles.
    EXPECT_EQ(resultLines(),
              (QStringList{texts::resultOpening +
                               QStringLiteral("de permanganate de potassium de concentration :"),
                           QString(), QStringLiteral("C = 1,00 · 10-4 mol · L-1"), QString(),
                           texts::resultUncertainty + QStringLiteral("0,8 %")}));
    const QStringList lines = writingLines();
    ASSERT_EQ(lines.size(), 3) << lines.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(lines[2], QStringLiteral("Solution mère : C = 1,00 · 10-3 mol · L-1, incertitude "
                                       "0,4 % ; incertitudes relatives ajoutées : 0,40 % + "
                                       "0,40 % = 0,80 %"));

    // A dilution of the dilution can be kept in its turn, and replaces the first.
    ASSERT_TRUE(bench.canUseAsMotherSolution());
    bench.useAsMotherSolution();
    EXPECT_DOUBLE_EQ(bench.motherSolution()->concentration, 1e-4);
    EXPECT_EQ(bench.motherSolution()->uncertainty, 80);
    EXPECT_EQ(bench.widget(flaconmere).picture, flaskPicturePath(100));
    EXPECT_GT(bench.widget(flaconmere).liquid.lightness(), purple.lightness() + 40)
        << "ten times more dilute";
}

TEST_F(MotherSolutionTest, ThePreparationRemembersItsMotherThroughUndoAReplayAndANewBottle)
{
    keepPermanganateMother(bench);
    bench.flaconmere_MouseMove();
    bench.flaconmere_Click();
    bench.pipjaug_Click();
    bench.setUpDown2Position(pipette10mL);
    bench.validprel_Click();
    // Back from the flask choice to the same bottle: the prepared one, not the cupboard's.
    bench.Command4_Click();
    EXPECT_EQ(bench.state().protocolStep, ProtocolStep::Sampling);
    EXPECT_EQ(bench.widget(conseil).caption, texts::chooseGlassware);
    EXPECT_TRUE(bench.sampledMotherSolution());
    pipetteInto(bench, pipette10mL, flask100mL);

    const Preparation diluted = Preparation::of(bench);
    ASSERT_TRUE(diluted.mother());
    EXPECT_EQ(*diluted.mother(), *bench.motherSolution());

    // Replayed on another bench, the preparation puts its mother on the shelf and ends as here.
    ScriptedMessageService otherMessages;
    BenchModel other(otherMessages, QLocale(QLocale::French, QLocale::France));
    diluted.play(other);
    EXPECT_EQ(other.state(), bench.state());
    EXPECT_EQ(other.resultDocument().toPlainText(), bench.resultDocument().toPlainText());
    EXPECT_EQ(other.resultWritingDocument().toPlainText(),
              bench.resultWritingDocument().toPlainText());
    EXPECT_EQ(Preparation::of(other), diluted);

    // A cupboard's bottle starts a preparation of its own; the prepared bottle stays on the shelf.
    bench.Command3_Click();
    EXPECT_TRUE(bench.widget(flaconmere).visible);
    bench.liquide_MouseMove(permanganate);
    bench.liquide_Click(permanganate);
    EXPECT_FALSE(bench.widget(choisi).liquid.isValid()) << "a cupboard's bottle keeps its picture";
    EXPECT_FALSE(bench.sampledMotherSolution());
    pipetteInto(bench, pipette10mL, flask100mL);
    EXPECT_FALSE(Preparation::of(bench).mother());
    EXPECT_EQ(writingLines().size(), 2) << "a cupboard's dilution names no mother";
    EXPECT_EQ(resultLines()[4], texts::resultUncertainty + QStringLiteral("0,4 %"));

    // A colourless mother solution is drawn as the flask's picture is.
    bench.useAsMotherSolution();
    ASSERT_TRUE(bench.widget(flaconmere).liquid.isValid());
    bench.liquide_MouseMove(sodiumHydroxide);
    bench.liquide_Click(sodiumHydroxide);
    pipetteInto(bench, pipette10mL, flask100mL);
    bench.useAsMotherSolution();
    EXPECT_EQ(bench.motherSolution()->reagentIndex, sodiumHydroxide);
    EXPECT_FALSE(bench.widget(flaconmere).liquid.isValid());
}

// Hand calculations: C = C(mother) × Vs / V, and the uncertainty is the dilution's (the bench's
// majoration) plus the mother's.
TEST(MotherSolutionComputation, DilutesTheMothersConcentrationAndAddsItsUncertainty)
{
    struct Case {
        SamplingTool tool;
        float sampled;
        float flask;
        MotherSolution mother;
        double concentration;
        qint16 uncertainty;
    };
    const Case cases[] = {
        // 10 mL to 100 mL: 0,40 % of the dilution.
        {SamplingTool::VolumetricPipette, 10, 100, {6, 1e-3, 40}, 1e-4, 80},
        // 10 mL with the cylinder to 25 mL: (11 / 24,95) / (10 / 25) − 1 = 10,22 %.
        {SamplingTool::GraduatedCylinder, 10, 25, {7, 0.1, 40}, 0.04, 1062},
        // A glucose solution is diluted as a solution: no mass, no solubility.
        {SamplingTool::GraduatedPipette, 5, 50, {glucose, 0.5, 250}, 0.05, 250 + 220},
        // The shown uncertainty stops at 100 %; the computed one goes on.
        {SamplingTool::GraduatedCylinder, 10, 25, {7, 0.1, 9800}, 0.04, 10000},
    };
    for (const Case& c : cases) {
        PreparationState state;
        state.reagentIndex = qint16(c.mother.reagentIndex);
        state.samplingTool = c.tool;
        state.sampledVolume = c.sampled;
        state.flaskVolume = c.flask;
        state.sampledMass = 200.0f; // left by an earlier weighing, above any solubility
        EXPECT_EQ(checkPreparation(state, &c.mother), Refusal::None);
        const std::optional<PreparationResult> result = computeResult(state, &c.mother);
        ASSERT_TRUE(result);
        EXPECT_NEAR(result->concentration, c.concentration, c.concentration * 1e-7);
        EXPECT_FALSE(result->singlePrecision);
        EXPECT_EQ(result->uncertainty, c.uncertainty) << c.mother.uncertainty;
    }
    PreparationState equal;
    equal.reagentIndex = glucose;
    equal.samplingTool = SamplingTool::VolumetricPipette;
    equal.sampledVolume = 25;
    equal.flaskVolume = 25;
    const MotherSolution mother{glucose, 0.5, 40};
    EXPECT_EQ(checkPreparation(equal, &mother), Refusal::SampleVolume);
}
