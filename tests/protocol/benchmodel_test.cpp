#include "namedcase.h"
#include "protocol/benchmodel.h"
#include "protocol/instruments.h"
#include "protocol/preparation.h"
#include "protocol/protocoltexts.h"
#include "scriptedmessageservice.h"

#include <QSet>
#include <QSignalSpy>
#include <QTextBlock>
#include <functional>
#include <gtest/gtest.h>

using namespace dosarium;

namespace {

class BenchModelTest : public ::testing::Test {
  protected:
    ScriptedMessageService messages;
    BenchModel model{messages, QLocale(QLocale::French, QLocale::France)};

    QStringList bottles() const
    {
        QStringList names;
        for (int i = 0; i < bench::bottleCount; ++i)
            names << bench::name(bench::bottle(i));
        return names;
    }
};

} // namespace

TEST_F(BenchModelTest, StartsWithTheBottlesAndTheFirstGuidance)
{
    EXPECT_EQ(model.visibleWidgets(), QStringList{bench::name(bench::conseil)} + bottles());
    EXPECT_EQ(model.widget(bench::conseil).caption, texts::chooseReagent);
    EXPECT_FALSE(model.isUndoEnabled());
    EXPECT_FALSE(model.isSaveEnabled());
    EXPECT_EQ(model.state(), PreparationState{});
    EXPECT_EQ(model.widget(bench::Labelmasse).caption, QStringLiteral("0,00 g"));
    for (int i = 0; i < bench::bottleCount; ++i)
        EXPECT_TRUE(model.widget(bench::bottle(i)).pointingHand) << i;
}

TEST_F(BenchModelTest, HoverShowsTheLabelAndRepaintsOnlyWhenTheReagentChanges)
{
    QSignalSpy repaints(&model, &BenchModel::labelRepaintRequested);
    model.liquide_MouseMove(0);
    EXPECT_EQ(repaints.count(), 0) << "bottle 0 is already the reagent at start-up";
    EXPECT_EQ(model.label1(), QStringLiteral("Ethanol absolu"));
    EXPECT_EQ(model.label2(), QStringLiteral("Liquide pur"));
    EXPECT_EQ(model.visiblePictogram(), Hazard::Flammable);
    EXPECT_EQ(model.info(), texts::bottleHint);

    model.liquide_MouseMove(3);
    model.liquide_MouseMove(4);
    ASSERT_EQ(repaints.count(), 2);
    EXPECT_EQ(repaints.at(1).at(0).toInt(), 4);
    EXPECT_EQ(model.state().reagentIndex, 4);
    EXPECT_EQ(model.label1(), QStringLiteral("Glucose"));
    EXPECT_EQ(model.label2(), QStringLiteral("Solide pur"));
    EXPECT_EQ(model.visiblePictogram(), Hazard::None);

    model.setInfo(QStringLiteral("autre"));
    model.liquide_MouseMove(4);
    EXPECT_EQ(repaints.count(), 2);
    EXPECT_EQ(model.info(), texts::bottleHint);

    model.liquide_MouseMove(2);
    EXPECT_EQ(model.visiblePictogram(), Hazard::Corrosive);
    model.liquide_MouseMove(7);
    EXPECT_EQ(model.visiblePictogram(), Hazard::Harmful);
    EXPECT_EQ(model.label2(), QStringLiteral("Solution aqueuse"));
    EXPECT_EQ(repaints.count(), 4);

    // Outside the cupboard only the hint changes.
    model.liquide_MouseMove(9);
    EXPECT_EQ(model.state().reagentIndex, 7);
    EXPECT_EQ(repaints.count(), 4);
}

TEST_F(BenchModelTest, OneChangeNotificationPerHandler)
{
    QSignalSpy changes(&model, &BenchModel::changed);
    model.liquide_MouseMove(3);
    model.liquide_Click(3);
    EXPECT_EQ(changes.count(), 2);
}

namespace {

using namespace bench;

// A student's gestures, in the order the bench offers them.
class Student {
  public:
    explicit Student(BenchModel& model) : m(model) {}

    void choose(int reagent)
    {
        m.liquide_MouseMove(reagent);
        m.liquide_Click(reagent);
    }
    void weigh(int reagent, int position)
    {
        choose(reagent);
        if (reagent < 3)
            m.Label3_Click(0);
        m.setHScroll1Position(position);
        m.masse_Click();
    }
    void pick(SamplingTool tool) { m.glassware_Click(instrument(tool).part); }
    void measure(int reagent, SamplingTool tool, int position)
    {
        choose(reagent);
        if (reagent < 3)
            m.Label3_Click(1);
        pick(tool);
        m.setUpDown2Position(position);
        m.validprel_Click();
    }
    void makeUp(int flaskPosition)
    {
        m.setUpDown1Position(flaskPosition);
        m.validvol_Click();
    }

  private:
    BenchModel& m;
};

QString resultLine(const BenchModel& model, int block)
{
    return model.resultDocument().findBlockByNumber(block).text();
}

QStringList sortedNames(const QList<Part>& parts)
{
    QStringList names;
    for (const Part part : parts)
        names << name(part);
    names.sort();
    return names;
}

} // namespace

struct WholePreparation : test::NamedCase {
    int reagent;
    SamplingTool tool;
    int position;
    int flaskPosition;
    const char* concentrationLine;
    const char* percent;
    bool warning;
};

class WholePreparations : public BenchModelTest,
                          public ::testing::WithParamInterface<WholePreparation> {};

TEST_P(WholePreparations, FromTheBottleToTheResult)
{
    const WholePreparation& p = GetParam();
    Student student(model);
    if (p.tool == SamplingTool::Balance)
        student.weigh(p.reagent, p.position);
    else
        student.measure(p.reagent, p.tool, p.position);
    EXPECT_EQ(model.state().protocolStep, ProtocolStep::FlaskChoice);
    EXPECT_EQ(model.widget(conseil).caption, texts::chooseFlask);
    student.makeUp(p.flaskPosition);

    EXPECT_EQ(model.state().protocolStep, ProtocolStep::Prepared);
    EXPECT_EQ(model.state().samplingTool, p.tool);
    EXPECT_EQ(model.widget(conseil).caption, texts::prepared);
    EXPECT_TRUE(model.widget(resultat).visible);
    EXPECT_TRUE(model.widget(pissette).visible);
    EXPECT_TRUE(model.isSaveEnabled());
    EXPECT_EQ(resultLine(model, 2), QString::fromUtf8(p.concentrationLine));
    EXPECT_EQ(resultLine(model, 4), texts::resultUncertainty + QString::fromUtf8(p.percent));
    EXPECT_TRUE(resultLine(model, 0).endsWith(Catalogue::reagent(p.reagent)->resultPhrase));
    if (p.warning) {
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.shown[0].text, texts::imprecisionWarning);
        EXPECT_EQ(messages.shown[0].title, texts::imprecisionTitle);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    } else {
        EXPECT_TRUE(messages.shown.isEmpty());
    }
}

// Hand calculations of the centred line, as in the computation's own table.
INSTANTIATE_TEST_SUITE_P(
    EveryKind, WholePreparations,
    ::testing::Values(
        // 1000 × 3,42 / (342 × 100) = 0,100
        WholePreparation{"solid_weighed", 3, SamplingTool::Balance, 342, 2,
                         "C = 1,00 · 10-1 mol · L-1", "0,5 %", false},
        // 19720 / (46 × 25) = 17,15
        WholePreparation{"liquid_weighed", 0, SamplingTool::Balance, 1972, 0,
                         "C = 1,71 · 101 mol · L-1", "0,3 %", false},
        // 1000 × 0,789 × 50 / (46 × 100) = 8,576
        WholePreparation{"liquid_cylinder", 0, SamplingTool::GraduatedCylinder, 40, 2,
                         "C = 8,58 mol · L-1", "2,2 %", false},
        // 1000 × 1,05 × 10 / (60 × 50) = 3,50
        WholePreparation{"liquid_graduated_pipette", 2, SamplingTool::GraduatedPipette, 90, 1,
                         "C = 3,50 mol · L-1", "1,2 %", false},
        // 1000 × 0,789 × 10 / (46 × 100) = 1,715
        WholePreparation{"liquid_volumetric_pipette", 0, SamplingTool::VolumetricPipette, 3, 2,
                         "C = 1,72 mol · L-1", "0,4 %", false},
        // 1000 × 0,786 × 500 / (58 × 1000) = 6,776
        WholePreparation{"liquid_volumetric_flask", 1, SamplingTool::VolumetricFlask, 5, 6,
                         "C = 6,78 mol · L-1", "0,4 %", false},
        // 6 × 10 / 100 = 0,600
        WholePreparation{"dilution_pipette", 5, SamplingTool::VolumetricPipette, 3, 2,
                         "C = 6,00 · 10-1 mol · L-1", "0,4 %", false},
        // 12 × 10 / 25 = 4,80; 11/10 × 25/24,95 → 10,2 %
        WholePreparation{"dilution_imprecise", 8, SamplingTool::GraduatedCylinder, 0, 0,
                         "C = 4,80 mol · L-1", "10,2 %", true},
        // 12 × 21 / 1000 = 0,252; 22/21 × 1000/998 → 497: shown 5,0 % but not above 5,00 %.
        WholePreparation{"dilution_just_precise", 8, SamplingTool::GraduatedCylinder, 11, 6,
                         "C = 2,52 · 10-1 mol · L-1", "5,0 %", false},
        // 12 × 20 / 1000 = 0,240; 21/20 × 1000/998 → 521.
        WholePreparation{"dilution_just_imprecise", 8, SamplingTool::GraduatedCylinder, 10, 6,
                         "C = 2,40 · 10-1 mol · L-1", "5,2 %", true},
        // 0,01 g of glucose in 1000 mL: u = 10040, capped.
        WholePreparation{"glucose_capped", 4, SamplingTool::Balance, 1, 6,
                         "C = 5,56 · 10-5 mol · L-1", "100,0 %", true}),
    test::caseName);

// What the bench shows besides the guidance, the hint and the command buttons.
struct Situation : test::NamedCase {
    std::function<void(Student&, BenchModel&)> reach;
    QList<Part> shown;
    ProtocolStep step;
    bool undo;
    bool save;
};

class Situations : public BenchModelTest, public ::testing::WithParamInterface<Situation> {};

TEST_P(Situations, ShowExactlyTheirWidgets)
{
    const Situation& s = GetParam();
    Student student(model);
    s.reach(student, model);
    QStringList shown = model.visibleWidgets();
    shown.removeOne(name(conseil));
    shown.sort();
    EXPECT_EQ(shown, sortedNames(s.shown));
    // No picture stands across the guidance line.
    const QRect guidance(model.widget(conseil).position, model.widget(conseil).size);
    for (const Part part : s.shown) {
        const BenchWidget& shownWidget = model.widget(part);
        if (shownWidget.kind == WidgetKind::Picture) {
            EXPECT_FALSE(QRect(shownWidget.position, shownWidget.size).intersects(guidance))
                << table[part].name;
        }
    }
    EXPECT_EQ(model.state().protocolStep, s.step);
    EXPECT_EQ(model.isUndoEnabled(), s.undo);
    EXPECT_EQ(model.isSaveEnabled(), s.save);
}

namespace {

QList<Part> allBottles()
{
    QList<Part> parts;
    for (int i = 0; i < bottleCount; ++i)
        parts << bottle(i);
    return parts;
}

const QList<Part> glassware = {fiole, eprouvette, pipjaug, pipgrad};
const QList<Part> flaskChoice = {fiolefinale, UpDown1, labelvol, validvol};

} // namespace

INSTANTIATE_TEST_SUITE_P(Protocol, Situations,
                         ::testing::Values(Situation{"start", [](Student&, BenchModel&) {},
                                                     allBottles(), ProtocolStep::NoPreparation,
                                                     false, false},
                                           Situation{"liquid_before_measure_choice",
                                                     [](Student& s, BenchModel&) { s.choose(1); },
                                                     {choisi, measureChoice(0), measureChoice(1)},
                                                     ProtocolStep::Sampling,
                                                     true,
                                                     false},
                                           Situation{"solid_weighing_at_zero",
                                                     [](Student& s, BenchModel&) { s.choose(3); },
                                                     {choisi, balance, Labelmasse, vdemont,
                                                      HScroll1, masse},
                                                     ProtocolStep::Sampling,
                                                     true,
                                                     false},
                                           Situation{"solid_weighing",
                                                     [](Student& s, BenchModel& m) {
                                                         s.choose(4);
                                                         m.setHScroll1Position(1);
                                                     },
                                                     {choisi, balance, Labelmasse, vdemont, sucre,
                                                      HScroll1, masse},
                                                     ProtocolStep::Sampling,
                                                     true,
                                                     false},
                                           Situation{"liquid_weighing",
                                                     [](Student& s, BenchModel& m) {
                                                         s.choose(2);
                                                         m.Label3_Click(0);
                                                         m.setHScroll1Position(250);
                                                     },
                                                     {choisi, becher, balance, Labelmasse, HScroll1,
                                                      masse},
                                                     ProtocolStep::Sampling,
                                                     true,
                                                     false},
                                           Situation{"zero_mass_not_validated",
                                                     [](Student& s, BenchModel& m) {
                                                         s.choose(3);
                                                         m.masse_Click();
                                                     },
                                                     {choisi, balance, Labelmasse, vdemont,
                                                      HScroll1, masse},
                                                     ProtocolStep::Sampling,
                                                     true,
                                                     false},
                                           Situation{"before_glassware_choice",
                                                     [](Student& s, BenchModel&) { s.choose(7); },
                                                     QList<Part>{choisi} + glassware,
                                                     ProtocolStep::Sampling, true, false},
                                           Situation{"liquid_before_glassware_choice",
                                                     [](Student& s, BenchModel& m) {
                                                         s.choose(0);
                                                         m.Label3_Click(1);
                                                     },
                                                     QList<Part>{choisi} + glassware,
                                                     ProtocolStep::Sampling, true, false},
                                           Situation{"flask_chosen",
                                                     [](Student& s, BenchModel&) {
                                                         s.choose(5);
                                                         s.pick(SamplingTool::VolumetricFlask);
                                                     },
                                                     {choisi, fiole, Labelprel, UpDown2, validprel},
                                                     ProtocolStep::Sampling,
                                                     true,
                                                     false},
                                           Situation{
                                               "cylinder_chosen",
                                               [](Student& s, BenchModel&) {
                                                   s.choose(5);
                                                   s.pick(SamplingTool::GraduatedCylinder);
                                               },
                                               {choisi, eprouvette, Labelprel, UpDown2, validprel},
                                               ProtocolStep::Sampling,
                                               true,
                                               false},
                                           Situation{
                                               "volumetric_pipette_chosen",
                                               [](Student& s, BenchModel&) {
                                                   s.choose(6);
                                                   s.pick(SamplingTool::VolumetricPipette);
                                               },
                                               {choisi, pipjaug, Labelprel, UpDown2, validprel},
                                               ProtocolStep::Sampling,
                                               true,
                                               false},
                                           Situation{
                                               "graduated_pipette_chosen",
                                               [](Student& s, BenchModel&) {
                                                   s.choose(8);
                                                   s.pick(SamplingTool::GraduatedPipette);
                                               },
                                               {choisi, pipgrad, Labelprel, UpDown2, validprel},
                                               ProtocolStep::Sampling,
                                               true,
                                               false},
                                           Situation{
                                               "flask_choice_after_weighing",
                                               [](Student& s, BenchModel&) { s.weigh(3, 342); },
                                               QList<Part>{choisi, balance, Labelmasse, vdemont,
                                                           sucre} +
                                                   flaskChoice,
                                               ProtocolStep::FlaskChoice, true, false},
                                           Situation{
                                               "flask_choice_after_weighing_a_liquid",
                                               [](Student& s, BenchModel&) { s.weigh(1, 342); },
                                               QList<Part>{choisi, balance, Labelmasse, becher} +
                                                   flaskChoice,
                                               ProtocolStep::FlaskChoice, true, false},
                                           Situation{"flask_choice_after_measuring",
                                                     [](Student& s, BenchModel&) {
                                                         s.measure(
                                                             6, SamplingTool::GraduatedPipette, 40);
                                                     },
                                                     QList<Part>{choisi, pipgrad, Labelprel} +
                                                         flaskChoice,
                                                     ProtocolStep::FlaskChoice, true, false},
                                           Situation{
                                               "prepared_after_weighing",
                                               [](Student& s, BenchModel&) {
                                                   s.weigh(3, 342);
                                                   s.makeUp(2);
                                               },
                                               {choisi, balance, Labelmasse, vdemont, sucre,
                                                fiolefinale, labelvol, pissette, resultat},
                                               ProtocolStep::Prepared,
                                               true,
                                               true},
                                           Situation{"prepared_after_measuring",
                                                     [](Student& s, BenchModel&) {
                                                         s.measure(0,
                                                                   SamplingTool::GraduatedCylinder,
                                                                   40);
                                                         s.makeUp(2);
                                                     },
                                                     {choisi, eprouvette, Labelprel, fiolefinale,
                                                      labelvol, pissette, resultat},
                                                     ProtocolStep::Prepared,
                                                     true,
                                                     true},
                                           Situation{"refused_keeps_the_flask_choice",
                                                     [](Student& s, BenchModel&) {
                                                         s.measure(
                                                             5, SamplingTool::VolumetricPipette, 5);
                                                         s.makeUp(0);
                                                     },
                                                     QList<Part>{choisi, pipjaug, Labelprel} +
                                                         flaskChoice,
                                                     ProtocolStep::Prepared, true, false},
                                           Situation{"new_preparation_after_a_result",
                                                     [](Student& s, BenchModel& m) {
                                                         s.measure(0,
                                                                   SamplingTool::GraduatedCylinder,
                                                                   40);
                                                         s.makeUp(2);
                                                         m.Command3_Click();
                                                     },
                                                     allBottles(), ProtocolStep::NoPreparation,
                                                     false, false},
                                           Situation{"undo_from_sampling",
                                                     [](Student& s, BenchModel& m) {
                                                         s.choose(3);
                                                         m.Command4_Click();
                                                     },
                                                     allBottles(), ProtocolStep::NoPreparation,
                                                     false, false},
                                           Situation{"undo_from_flask_choice",
                                                     [](Student& s, BenchModel& m) {
                                                         s.weigh(0, 500);
                                                         m.Command4_Click();
                                                     },
                                                     {choisi, measureChoice(0), measureChoice(1)},
                                                     ProtocolStep::Sampling,
                                                     true,
                                                     false},
                                           Situation{"undo_from_result",
                                                     [](Student& s, BenchModel& m) {
                                                         s.measure(7, SamplingTool::VolumetricFlask,
                                                                   2);
                                                         s.makeUp(5);
                                                         m.Command4_Click();
                                                     },
                                                     QList<Part>{choisi, fiole, Labelprel} +
                                                         flaskChoice,
                                                     ProtocolStep::FlaskChoice, true, false}),
                         test::caseName);

namespace {

// Records what the bench looked like when each message box came up.
class WatchingMessages : public ScriptedMessageService {
  public:
    const BenchModel* model = nullptr;
    QList<ProtocolStep> steps;
    QList<bool> resultShown;

    MessageAnswer show(const Message& message) override
    {
        steps.append(model->state().protocolStep);
        resultShown.append(model->widget(resultat).visible && model->isSaveEnabled());
        return ScriptedMessageService::show(message);
    }
};

class FlaskValidationTest : public ::testing::Test {
  protected:
    WatchingMessages messages;
    BenchModel model{messages, QLocale(QLocale::French, QLocale::France)};
    Student student{model};
    void SetUp() override { messages.model = &model; }
};

} // namespace

TEST_F(FlaskValidationTest, ARefusalComesAtStepThreeAndASecondValidationWithALargerFlaskSucceeds)
{
    student.measure(5, SamplingTool::VolumetricPipette, 5); // 25 mL
    student.makeUp(0);                                      // into 25 mL
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, texts::sampleVolumeRefusal);
    EXPECT_EQ(messages.shown[0].title, texts::refusalTitle);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(messages.steps[0], ProtocolStep::Prepared);
    EXPECT_EQ(model.widget(conseil).caption, texts::chooseFlask);
    EXPECT_FALSE(model.widget(resultat).visible);

    model.placard_MouseMove();
    EXPECT_EQ(model.info(), texts::hintPrepared);

    student.makeUp(1);
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(model.widget(resultat).visible);
    EXPECT_EQ(resultLine(model, 2), QStringLiteral("C = 3,00 mol · L-1"));
}

TEST_F(FlaskValidationTest, EachRefusalHasItsMessage)
{
    student.weigh(3, 5001);
    student.makeUp(0);
    student.weigh(0, 1973);
    student.makeUp(0);
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[0].text, texts::solubilityRefusal);
    EXPECT_EQ(messages.shown[1].text, texts::soluteVolumeRefusal);
    for (const Message& m : messages.shown) {
        EXPECT_EQ(m.title, texts::refusalTitle);
        EXPECT_EQ(m.icon, MessageIcon::Critical);
    }
    EXPECT_EQ(messages.steps,
              (QList<ProtocolStep>{ProtocolStep::Prepared, ProtocolStep::Prepared}));
}

TEST_F(FlaskValidationTest, TheWarningComesWithTheResultAlreadyShown)
{
    student.measure(8, SamplingTool::GraduatedCylinder, 0);
    student.makeUp(0);
    ASSERT_EQ(messages.resultShown, QList<bool>{true});
}

TEST_F(BenchModelTest, UndoGoesBackOneStepAtATime)
{
    Student student(model);
    student.measure(2, SamplingTool::GraduatedPipette, 40);
    student.makeUp(1); // 50 mL
    ASSERT_EQ(model.state().flaskVolume, 50.0f);

    model.Command4_Click(); // back to the flask choice, at 200 mL
    EXPECT_EQ(model.state().protocolStep, ProtocolStep::FlaskChoice);
    EXPECT_EQ(model.state().flaskVolume, 200.0f);
    EXPECT_EQ(model.upDown1Position(), 3);
    EXPECT_EQ(model.widget(labelvol).caption, QStringLiteral("200 mL"));
    EXPECT_EQ(model.state().sampledVolume, 5.0f);
    EXPECT_EQ(model.widget(Labelprel).caption, QStringLiteral("5,0 mL"));
    EXPECT_FALSE(model.isSaveEnabled());

    model.Command4_Click(); // back to the sampling of the same reagent
    EXPECT_EQ(model.state().protocolStep, ProtocolStep::Sampling);
    EXPECT_EQ(model.state().reagentIndex, 2);
    EXPECT_EQ(model.widget(choisi).picture, model.widget(bottle(2)).picture);
    EXPECT_EQ(model.widget(conseil).caption, texts::whichSampling);
    EXPECT_EQ(model.widget(Labelmasse).caption, QStringLiteral("0,00 g"));

    model.Command4_Click();
    EXPECT_EQ(model.state().protocolStep, ProtocolStep::NoPreparation);
    EXPECT_FALSE(model.isUndoEnabled());
    model.Command4_Click();
    EXPECT_EQ(model.state().protocolStep, ProtocolStep::NoPreparation);
}

TEST_F(BenchModelTest, UndoAfterAWeighingKeepsTheMassAndReopensTheFlaskChoice)
{
    Student student(model);
    student.weigh(4, 1234);
    student.makeUp(6);
    model.Command4_Click();
    EXPECT_EQ(model.state().protocolStep, ProtocolStep::FlaskChoice);
    EXPECT_EQ(model.state().sampledMass, 12.34f);
    EXPECT_EQ(model.widget(Labelmasse).caption, QStringLiteral("12,34 g"));
    EXPECT_EQ(model.state().flaskVolume, 200.0f);
    student.makeUp(6);
    EXPECT_EQ(resultLine(model, 2), QStringLiteral("C = 6,86 · 10-2 mol · L-1"));
}

TEST_F(BenchModelTest, NewPreparationResetsTheBenchButNotTheValues)
{
    Student student(model);
    student.measure(0, SamplingTool::GraduatedCylinder, 40);
    student.makeUp(2);
    model.setWindowCaption(QStringLiteral("Dosarium - /tmp/a.C05"));
    const PreparationState before = model.state();
    model.Command3_Click();
    EXPECT_EQ(model.windowCaption(), QStringLiteral("Dosarium"));
    EXPECT_EQ(model.widget(conseil).caption, texts::chooseReagent);
    EXPECT_FALSE(model.isUndoEnabled());
    EXPECT_FALSE(model.isSaveEnabled());
    PreparationState expected = before;
    expected.protocolStep = ProtocolStep::NoPreparation;
    EXPECT_EQ(model.state(), expected);
    model.placard_MouseMove();
    EXPECT_EQ(model.info(), texts::hintNoPreparation);
}

TEST_F(BenchModelTest, CupboardHintFollowsTheStep)
{
    Student student(model);
    model.placard_MouseMove();
    EXPECT_EQ(model.info(), texts::hintNoPreparation);
    student.choose(6);
    student.pick(SamplingTool::GraduatedCylinder);
    model.placard_MouseMove();
    EXPECT_EQ(model.info(), texts::hintGoOn + texts::setVolume);
    model.validprel_Click();
    model.placard_MouseMove();
    EXPECT_EQ(model.info(), QStringLiteral("Poursuivre la préparation. Choisir une fiole jaugée "
                                           "pour préparer la solution"));
    model.validvol_Click();
    model.placard_MouseMove();
    EXPECT_EQ(model.info(), texts::hintPrepared);

    model.HScroll1_GotFocus();
    EXPECT_EQ(model.info(), texts::hintSlider);
    model.UpDown1_MouseMove();
    EXPECT_EQ(model.info(), texts::hintFlaskSelector);
}

TEST_F(BenchModelTest, MeasureChoicesTurnRedUnderThePointer)
{
    const QColor normal(0, 0, 200);
    const QColor red(255, 0, 0);
    Student(model).choose(0);
    EXPECT_EQ(model.widget(measureChoice(0)).textColor, normal);
    model.Label3_MouseMove(1);
    EXPECT_EQ(model.widget(measureChoice(0)).textColor, normal);
    EXPECT_EQ(model.widget(measureChoice(1)).textColor, red);
    model.Label3_MouseMove(0);
    EXPECT_EQ(model.widget(measureChoice(0)).textColor, red);
    EXPECT_EQ(model.widget(measureChoice(1)).textColor, normal);
    model.placard_MouseMove();
    EXPECT_EQ(model.widget(measureChoice(0)).textColor, normal);
}

TEST_F(BenchModelTest, WeighingPictures)
{
    Student student(model);
    student.choose(3);
    EXPECT_FALSE(model.widget(sucre).visible);
    model.setHScroll1Position(1);
    EXPECT_TRUE(model.widget(sucre).visible);
    model.setHScroll1Position(0);
    EXPECT_FALSE(model.widget(sucre).visible);

    model.Command3_Click();
    student.choose(1);
    model.Label3_Click(0);
    EXPECT_EQ(model.widget(becher).position, place(becher).home);
    EXPECT_FALSE(model.widget(vdemont).visible);
    EXPECT_EQ(model.widget(conseil).caption, texts::setMass);
    const QString empty = model.widget(becher).picture;
    model.setHScroll1Position(20000);
    EXPECT_NE(model.widget(becher).picture, empty);
    EXPECT_FALSE(model.widget(sucre).visible);
    EXPECT_EQ(model.widget(Labelmasse).caption, QStringLiteral("200,00 g"));
    EXPECT_EQ(model.state().sampledMass, 200.0f);
    model.setHScroll1Position(0);
    EXPECT_EQ(model.widget(becher).picture, empty);
    EXPECT_EQ(model.widget(Labelmasse).caption, QStringLiteral("0,00 g"));
    model.setHScroll1Position(20001);
    EXPECT_EQ(model.hScroll1Position(), 0);
}

TEST_F(BenchModelTest, GlasswareMovesWhenChosenAndReturnsHomeForTheNextBottle)
{
    Student student(model);
    student.choose(5);
    for (const Part part : glassware)
        EXPECT_TRUE(model.widget(part).pointingHand);
    student.pick(SamplingTool::VolumetricFlask);
    EXPECT_EQ(model.widget(fiole).position, flaskChosen);
    EXPECT_EQ(model.widget(Labelprel).position, flaskSampleReadout);
    // The flask's sample selector stands level with the flask selector, under its read-out.
    EXPECT_EQ(model.widget(UpDown2).position,
              QPoint(flaskSampleReadout.x(), model.widget(UpDown1).position.y()));
    EXPECT_FALSE(model.widget(fiole).pointingHand);
    EXPECT_EQ(model.widget(conseil).caption, texts::setVolume);

    model.Command3_Click();
    student.choose(6);
    EXPECT_EQ(model.widget(fiole).position, place(fiole).home);
    EXPECT_TRUE(model.widget(fiole).pointingHand);
    student.pick(SamplingTool::VolumetricPipette);
    EXPECT_EQ(model.widget(pipjaug).position.x(), pipetteChosenLeft);
    EXPECT_EQ(model.widget(Labelprel).position, pipetteSampleReadout);
    EXPECT_EQ(model.widget(UpDown2).position, pipetteSampleSelector);
    EXPECT_EQ(model.widget(validprel).position.x(), place(validprel).home.x());

    model.Command3_Click();
    student.choose(1);
    EXPECT_EQ(model.widget(pipjaug).position.x(), place(pipjaug).home.x());
    // The chosen bottle takes that bottle's size and stands a margin above the cupboard's floor.
    EXPECT_EQ(model.widget(choisi).size, place(bottle(1)).size);
    EXPECT_EQ(model.widget(choisi).position.y(),
              cupboardHeight - place(bottle(1)).size.height() - chosenBottleMargin);
}

TEST_F(BenchModelTest, ChoosingTheToolAgainAfterAResultWithdrawsTheResult)
{
    Student student(model);
    student.measure(7, SamplingTool::GraduatedCylinder, 40);
    student.makeUp(3);
    ASSERT_TRUE(model.isSaveEnabled());
    model.eprouvette_Click();
    EXPECT_EQ(model.state().protocolStep, ProtocolStep::Prepared);
    EXPECT_FALSE(model.widget(resultat).visible);
    EXPECT_FALSE(model.widget(pissette).visible);
    EXPECT_FALSE(model.isSaveEnabled());
    EXPECT_TRUE(model.widget(UpDown2).visible);
    EXPECT_EQ(model.widget(Labelprel).caption, QStringLiteral("50 mL"));
    model.setUpDown2Position(60);
    model.validprel_Click();
    student.makeUp(3);
    EXPECT_EQ(model.state().sampledVolume, 70.0f);
    EXPECT_TRUE(model.isSaveEnabled());
}

struct Readout {
    SamplingTool tool;
    int position; // -1: the start position
    const char* text;
    float volume;
};

void PrintTo(const Readout& r, std::ostream* os)
{
    *os << int(r.tool) << "@" << r.position;
}

class Readouts : public BenchModelTest, public ::testing::WithParamInterface<Readout> {};

TEST_P(Readouts, AtTheStartAndBothEndsOfEveryRange)
{
    const Readout& r = GetParam();
    Student student(model);
    student.choose(5);
    student.pick(r.tool);
    if (r.position >= 0)
        model.setUpDown2Position(r.position);
    EXPECT_EQ(model.widget(Labelprel).caption, QString::fromUtf8(r.text));
    EXPECT_EQ(model.state().sampledVolume, r.volume);
    // Past the end the selector does not move.
    const int maximum = model.widget(UpDown2).maximum;
    model.setUpDown2Position(maximum + 1);
    EXPECT_EQ(model.upDown2Position(), r.position >= 0 ? r.position : model.upDown2Position());
    EXPECT_LE(model.upDown2Position(), maximum);
}

INSTANTIATE_TEST_SUITE_P(
    Glassware, Readouts,
    ::testing::Values(Readout{SamplingTool::GraduatedPipette, -1, "5,0 mL", 5.0f},
                      Readout{SamplingTool::GraduatedPipette, 39, "4,9 mL", 4.9f},
                      Readout{SamplingTool::GraduatedPipette, 0, "1,0 mL", 1.0f},
                      Readout{SamplingTool::GraduatedPipette, 90, "10,0 mL", 10.0f},
                      Readout{SamplingTool::GraduatedCylinder, -1, "50 mL", 50.0f},
                      Readout{SamplingTool::GraduatedCylinder, 0, "10 mL", 10.0f},
                      Readout{SamplingTool::GraduatedCylinder, 90, "100 mL", 100.0f},
                      Readout{SamplingTool::VolumetricPipette, -1, "10 mL", 10.0f},
                      Readout{SamplingTool::VolumetricPipette, 0, "1 mL", 1.0f},
                      Readout{SamplingTool::VolumetricPipette, 5, "25 mL", 25.0f},
                      Readout{SamplingTool::VolumetricFlask, -1, "200 mL", 200.0f},
                      Readout{SamplingTool::VolumetricFlask, 0, "25 mL", 25.0f},
                      Readout{SamplingTool::VolumetricFlask, 6, "1000 mL", 1000.0f}));

TEST_F(BenchModelTest, FlaskSelectorEndsAndItsStartAtEveryOpening)
{
    Student student(model);
    student.measure(5, SamplingTool::VolumetricPipette, 0);
    EXPECT_EQ(model.widget(labelvol).caption, QStringLiteral("200 mL"));
    // The selector stood at 200 mL already: the volume is set all the same.
    EXPECT_EQ(model.state().flaskVolume, 200.0f);
    model.setUpDown1Position(0);
    EXPECT_EQ(model.widget(labelvol).caption, QStringLiteral("25 mL"));
    EXPECT_EQ(model.state().flaskVolume, 25.0f);
    model.setUpDown1Position(6);
    EXPECT_EQ(model.widget(labelvol).caption, QStringLiteral("1000 mL"));
    EXPECT_EQ(model.state().flaskVolume, 1000.0f);
    model.setUpDown1Position(7);
    EXPECT_EQ(model.state().flaskVolume, 1000.0f);
    // Each volume shows its own flask, drawn to scale.
    QSet<QString> flasks;
    for (int position = 0; position <= instruments::flaskMaximum; ++position) {
        model.setUpDown1Position(position);
        flasks.insert(model.widget(fiolefinale).picture);
    }
    EXPECT_EQ(flasks.size(), instruments::flaskMaximum + 1);
    EXPECT_TRUE(model.widget(fiolefinale).picture.endsWith("/volumetric-flask-1000.svg"));
}

TEST_F(BenchModelTest, NumbersFollowTheLocale)
{
    ScriptedMessageService other;
    BenchModel english(other, QLocale(QLocale::English, QLocale::UnitedStates));
    Student student(english);
    student.measure(0, SamplingTool::GraduatedCylinder, 40);
    student.makeUp(2);
    EXPECT_EQ(resultLine(english, 2), QStringLiteral("C = 8.58 mol · L-1"));
    EXPECT_EQ(resultLine(english, 4), texts::resultUncertainty + QStringLiteral("2.2 %"));
}

namespace {

struct Saved {
    int reagent;
    SamplingTool tool;
    int upDown1;
    int upDown2;
    int hScroll1;
};

} // namespace

TEST_F(BenchModelTest, AReplayFromCodeEndsWhereTheStudentsClicksEnd)
{
    const Saved preparations[] = {
        {2, SamplingTool::VolumetricPipette, 3, 3, 0}, // positions already at their start values
        {0, SamplingTool::Balance, 0, 0, 1972},
        {6, SamplingTool::GraduatedPipette, 3, 31, 0},
        {4, SamplingTool::Balance, 6, 0, 1},
    };
    for (const Saved& saved : preparations) {
        ScriptedMessageService studentMessages;
        BenchModel byHand(studentMessages, QLocale(QLocale::French, QLocale::France));
        Student student(byHand);
        // Both benches held the same earlier preparation, whose values a new one keeps.
        for (BenchModel* bench : {&byHand, &model}) {
            Student(*bench).measure(7, SamplingTool::GraduatedCylinder, 70);
            Student(*bench).makeUp(6);
        }
        byHand.Command3_Click();
        studentMessages.shown.clear();
        messages.shown.clear();
        if (saved.tool == SamplingTool::Balance)
            student.weigh(saved.reagent, saved.hScroll1);
        else
            student.measure(saved.reagent, saved.tool, saved.upDown2);
        student.makeUp(saved.upDown1);

        model.Command3_Click();
        Preparation::of(byHand).play(model);

        EXPECT_EQ(model.state(), byHand.state()) << saved.reagent;
        EXPECT_EQ(model.visibleWidgets(), byHand.visibleWidgets()) << saved.reagent;
        EXPECT_EQ(model.resultDocument().toPlainText(), byHand.resultDocument().toPlainText());
        EXPECT_EQ(messages.shown.size(), studentMessages.shown.size()) << saved.reagent;
        for (int part = 0; part < partCount; ++part) {
            EXPECT_EQ(model.widget(Part(part)).caption, byHand.widget(Part(part)).caption)
                << table[part].name;
            EXPECT_EQ(model.widget(Part(part)).position, byHand.widget(Part(part)).position)
                << table[part].name;
        }
    }
}
