// "Comparer ma préparation au corrigé" on the shipped exercises: each correction done as it does
// it and done otherwise, and what the student reads.
#include "configurations/configurationtexts.h"
#include "configurations/correctioncomparison.h"
#include "exercises/exercisecommands.h"
#include "exercises/exercisesource.h"
#include "exercises/exercisetexts.h"
#include "exercisetestsupport.h"
#include "preparationsources.h"
#include "richtext/rtfcodec.h"
#include "sourcetree.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dosarium;
using namespace dosarium::testing;

namespace {

QString exerciseFolder(const QString& name)
{
    return test::sourceRoot() + QStringLiteral("/exercises-data/") + name;
}

// A shipped exercise written out, opened, and a student's bench beside it.
class OpenedExercise {
  public:
    explicit OpenedExercise(const QString& name)
    {
        const SourceReading reading = ExerciseSourceReader::read(exerciseFolder(name));
        if (!reading.source)
            return;
        source = *reading.source;
        written = ExerciseWriter::write(source, dir.path(), nullptr);
        commands.setExerciseDirectory(dir.path());
        opened = written && commands.openExercise(dir.filePath(source.exerciseFileName()), true);
    }

    // The student prepares on the bench: replayed as the student's clicks.
    bool prepare(const PreparationSource& preparation)
    {
        const std::optional<ConfigurationValues> values = configurationFor(preparation, nullptr);
        const QString path = dir.filePath(QStringLiteral("eleve.C05"));
        if (!values || !ConfigurationFile::write(path, *values))
            return false;
        host.controller.load(path);
        return true;
    }

    ComparisonReport report() const
    {
        return host.controller.compareWith(dir.filePath(source.correctionConfigurationName()));
    }

    QTemporaryDir dir;
    ExerciseSource source;
    bool written = false;
    bool opened = false;
    RtfCodec codec;
    FakeHost host{codec};
    ScriptedMessageService messages;
    ScriptedDialogs dialogs;
    ExerciseCommands commands{host.session, host.controller, host, messages, dialogs};
};

std::vector<std::string> foldersWithCorrectionConfiguration()
{
    std::vector<std::string> names;
    const QDir data(exerciseFolder(QString()));
    for (const QString& name : data.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const SourceReading reading = ExerciseSourceReader::read(data.filePath(name));
        if (reading.source && reading.source->correctionPreparation)
            names.push_back(name.toStdString());
    }
    return names;
}

class ShippedCorrection : public ::testing::TestWithParam<std::string> {};

TEST_P(ShippedCorrection, DoneAsTheCorrectionDoesItIsTheSameSolutionAsPrecise)
{
    OpenedExercise exercise(QString::fromStdString(GetParam()));
    ASSERT_TRUE(exercise.opened);
    ASSERT_TRUE(exercise.commands.correctionConfigurationAvailable());
    ASSERT_TRUE(exercise.prepare(*exercise.source.correctionPreparation));

    const ComparisonReport report = exercise.report();
    EXPECT_EQ(report.comparison.verdict, ComparisonVerdict::SameAsPrecise);
    EXPECT_EQ(report.comparison.gapTenths, 0);
    ASSERT_EQ(report.rows.size(), 5);
    for (const ComparisonRow& row : report.rows)
        EXPECT_EQ(row.student, row.correction) << row.label.toStdString();

    // The command shows exactly that, and leaves the host as it was.
    const PreparationState before = exercise.host.bench.state();
    const QString text = exercise.host.session.document().toHtml();
    const QString loaded = exercise.host.controller.configPath();
    exercise.commands.compareWithCorrection();
    ASSERT_EQ(exercise.messages.shown.size(), 1);
    const Message& shown = exercise.messages.shown[0];
    EXPECT_EQ(shown.title, ExerciseTexts::compareTitle);
    EXPECT_EQ(shown.icon, MessageIcon::Information);
    EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    EXPECT_EQ(shown.text, comparisonMessageText(report));
    EXPECT_EQ(exercise.host.bench.state(), before);
    EXPECT_EQ(exercise.host.session.document().toHtml(), text);
    EXPECT_EQ(exercise.host.controller.configPath(), loaded);
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedCorrection,
                         ::testing::ValuesIn(foldersWithCorrectionConfiguration()),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(ShippedCorrections, EveryExerciseHasACorrectionConfiguration)
{
    const QDir data(exerciseFolder(QString()));
    EXPECT_EQ(foldersWithCorrectionConfiguration().size(),
              std::size_t(data.entryList(QDir::Dirs | QDir::NoDotAndDotDot).size()));
}

// Each shipped exercise done otherwise than its correction.
struct OtherWay {
    const char* exercise;
    PreparationSource student;
    ComparisonVerdict verdict;
    double ratio; // C student / C correction
};

using namespace reagents;
using T = SamplingTool;
using V = ComparisonVerdict;

class DoneOtherwise : public ::testing::TestWithParam<OtherWay> {};

TEST_P(DoneOtherwise, GivesTheVerdict)
{
    const OtherWay& way = GetParam();
    OpenedExercise exercise(QString::fromLatin1(way.exercise));
    ASSERT_TRUE(exercise.opened);
    ASSERT_TRUE(exercise.prepare(way.student));
    const ComparisonReport report = exercise.report();
    EXPECT_EQ(report.comparison.verdict, way.verdict);
    if (way.verdict == V::StudentNotPrepared) {
        EXPECT_TRUE(report.rows.isEmpty()) << "the correction must stay hidden";
        EXPECT_EQ(report.sentences, QStringList{configurationtexts::compareStudentRefused});
        return;
    }
    EXPECT_NEAR(report.comparison.ratio, way.ratio, 0.001);
    const bool same = way.verdict == V::SameMorePrecise || way.verdict == V::SameAsPrecise ||
                      way.verdict == V::SameLessPrecise;
    EXPECT_EQ(report.sentences.first(),
              same ? configurationtexts::compareSame
                   : (way.verdict == V::DifferentReagent ? configurationtexts::compareOtherReagent
                      : way.verdict == V::DifferentConcentration
                          ? configurationtexts::compareOtherConcentration
                          : configurationtexts::compareOtherBoth));
}

const OtherWay otherWays[] = {
    {"01-glucose-dissolution", weighed(glucose, 9.00, 500), V::SameMorePrecise, 1.0},
    {"01-glucose-dissolution", weighed(glucose, 3.60, 100), V::DifferentConcentration, 2.0},
    {"02-saccharose-dissolution", weighed(saccharose, 17.10, 100), V::DifferentConcentration, 10.0},
    {"02-saccharose-dissolution", weighed(glucose, 0.90, 100), V::DifferentReagent, 1.0},
    {"03-sulfate-cuivre-dilution", measured(copperSulfate, T::GraduatedCylinder, 10, 100),
     V::SameLessPrecise, 1.0},
    {"04-permanganate-dilution", measured(copperSulfate, T::VolumetricPipette, 5, 250),
     V::DifferentReagentAndConcentration, 2.0},
    {"04-permanganate-dilution", measured(permanganate, T::GraduatedPipette, 5.0, 250),
     V::SameLessPrecise, 1.0},
    // 0,5 % apart, within the pipette's 1,9 %.
    {"05-ethanol-volume-ou-masse", measured(ethanol, T::GraduatedPipette, 5.8, 100),
     V::SameLessPrecise, 0.99483},
    {"05-ethanol-volume-ou-masse", measured(ethanol, T::GraduatedPipette, 5.0, 100),
     V::DifferentConcentration, 0.85761},
    {"06-soude-choix-verrerie", measured(sodiumHydroxide, T::GraduatedPipette, 5.0, 100),
     V::SameLessPrecise, 1.0},
    {"06-soude-choix-verrerie", measured(sodiumHydroxide, T::VolumetricFlask, 25, 500),
     V::SameAsPrecise, 1.0},
    {"07-saccharose-protocole-impossible", weighed(saccharose, 51.30, 25), V::StudentNotPrepared,
     0.0},
    {"07-saccharose-protocole-impossible", weighed(saccharose, 100.00, 50), V::SameAsPrecise, 1.0},
    {"08-acide-chlorhydrique-precision", measured(hydrochloricAcid, T::GraduatedCylinder, 10, 25),
     V::SameLessPrecise, 1.0},
    {"08-acide-chlorhydrique-precision", measured(sodiumHydroxide, T::VolumetricPipette, 20, 25),
     V::DifferentReagent, 1.0},
};

// "Voir la correction" puts the correction's preparation on the workbench: the student's finished
// one is set aside, compared while the correction's is shown, and put back on demand. What the
// exercise itself put on the workbench is not the student's.
TEST(ShippedCorrections, CorrectionSetsTheStudentsPreparationAside)
{
    using namespace configurationtexts;
    const auto paragraph = [](const QString& text) {
        return QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>");
    };
    OpenedExercise exercise(QStringLiteral("06-soude-choix-verrerie"));
    ASSERT_TRUE(exercise.opened);
    ASSERT_TRUE(exercise.prepare(measured(sodiumHydroxide, T::GraduatedPipette, 5.0, 100)));
    const BenchModel& bench = exercise.host.bench;
    const PreparationState mine = bench.state();
    const QString caption = bench.windowCaption();
    const QString path = exercise.host.controller.configPath();
    const auto compared = [&] {
        exercise.commands.compareWithCorrection();
        return exercise.messages.shown.last().text;
    };
    EXPECT_FALSE(exercise.commands.canReturnToPreparation());

    ASSERT_TRUE(exercise.commands.showCorrection());
    ASSERT_TRUE(exercise.commands.showCorrection()); // asked again, the correction is not set aside
    ASSERT_NE(bench.state(), mine);
    const QString text = compared();
    EXPECT_TRUE(text.startsWith(paragraph(compareKeptPreparation))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("5,0 mL à la pipette graduée")));
    EXPECT_TRUE(text.contains(compareLessPrecise.arg("2,2", "0,4")));

    ASSERT_TRUE(exercise.commands.canReturnToPreparation());
    exercise.commands.returnToPreparation();
    EXPECT_EQ(bench.state(), mine);
    EXPECT_EQ(bench.windowCaption(), caption);
    EXPECT_EQ(exercise.host.controller.configPath(), path);
    EXPECT_FALSE(exercise.commands.canReturnToPreparation());
    EXPECT_FALSE(compared().contains(compareKeptPreparation));

    // Made again by the student after the correction, the correction's preparation is theirs.
    ASSERT_TRUE(exercise.commands.showCorrection());
    ASSERT_TRUE(exercise.prepare(*exercise.source.correctionPreparation));
    EXPECT_FALSE(exercise.commands.canReturnToPreparation());
    EXPECT_FALSE(compared().contains(compareKeptPreparation));

    // Exercise 08 puts a preparation on the workbench with its statement: it is not the student's.
    OpenedExercise other(QStringLiteral("08-acide-chlorhydrique-precision"));
    ASSERT_TRUE(other.opened);
    ASSERT_TRUE(other.commands.showCorrection());
    EXPECT_FALSE(other.commands.canReturnToPreparation());
    other.commands.compareWithCorrection();
    EXPECT_EQ(other.messages.shown.last().text, paragraph(compareNothingKept));
}

INSTANTIATE_TEST_SUITE_P(Shipped, DoneOtherwise, ::testing::ValuesIn(otherWays),
                         [](const auto& info) {
                             std::string name = std::string(info.param.exercise).substr(0, 2);
                             return "Exercise" + name + "_" + std::to_string(info.index);
                         });

} // namespace
