// What "Comparer ma préparation au corrigé" tells the student: both preparations in the bench's
// formats, what to finish before comparing, and the bench's own words about the correction.
#include "configurations/configurationcontroller.h"
#include "configurations/configurationtexts.h"
#include "configurations/correctioncomparison.h"
#include "configurations/preparationamounts.h"
#include "protocol/benchmodel.h"
#include "protocol/protocoltexts.h"
#include "scriptedmessageservice.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dosarium;

namespace {

constexpr qint16 sodiumHydroxide = 5, copperSulfate = 7, hydrochloricAcid = 8;

PreparationAmounts measured(qint16 reagent, SamplingTool tool, double volume, double flask)
{
    return {reagent, qint16(tool), 0.0, volume, flask};
}

// The student's bench, and the corrections it is compared with, written as configuration files.
class CorrectionComparison : public ::testing::Test {
  protected:
    QString written(const QString& name, const PreparationAmounts& amounts)
    {
        const QString path = dir.filePath(name);
        const std::optional<ConfigurationValues> values = configurationFor(amounts, nullptr);
        EXPECT_TRUE(values && ConfigurationFile::write(path, *values)) << path.toStdString();
        return path;
    }

    // The student prepares on the bench: replayed as the student's clicks.
    void prepare(const PreparationAmounts& amounts)
    {
        controller.load(written(QStringLiteral("eleve.C05"), amounts));
    }

    ComparisonReport against(const PreparationAmounts& correction)
    {
        return controller.compareWith(written(QStringLiteral("corrige.C05"), correction));
    }

    QTemporaryDir dir;
    ScriptedMessageService messages;
    BenchModel bench{messages, QLocale(QLocale::French, QLocale::France)};
    ConfigurationController controller{bench, messages};
};

TEST_F(CorrectionComparison, ShowsBothPreparationsInTheBenchFormats)
{
    prepare(measured(sodiumHydroxide, SamplingTool::GraduatedPipette, 5.0, 100));
    const ComparisonReport report =
        against(measured(sodiumHydroxide, SamplingTool::VolumetricPipette, 5, 100));
    const auto cells = [&](int row) {
        return QStringList{report.rows[row].label, report.rows[row].student,
                           report.rows[row].correction};
    };
    ASSERT_EQ(report.rows.size(), 5);
    EXPECT_EQ(cells(0), (QStringList{"Réactif", "Hydroxyde de sodium", "Hydroxyde de sodium"}));
    EXPECT_EQ(cells(1), (QStringList{"Prélèvement", "5,0 mL à la pipette graduée",
                                     "5 mL à la pipette jaugée"}));
    EXPECT_EQ(cells(2), (QStringList{"Fiole jaugée", "100 mL", "100 mL"}));
    EXPECT_EQ(cells(3), (QStringList{"Concentration", "3,00 · 10⁻¹ mol · L⁻¹ (Cm = 12,0 g · L⁻¹)",
                                     "3,00 · 10⁻¹ mol · L⁻¹ (Cm = 12,0 g · L⁻¹)"}));
    EXPECT_EQ(cells(4), (QStringList{"Incertitude relative", "2,2 %", "0,4 %"}));
    EXPECT_EQ(report.sentences,
              (QStringList{configurationtexts::compareSame,
                           configurationtexts::compareGapWithin.arg("0,0", "2,2"),
                           configurationtexts::compareLessPrecise.arg("2,2", "0,4")}));
}

TEST_F(CorrectionComparison, TellsWhatToFinishBeforeComparing)
{
    const PreparationAmounts correction =
        measured(copperSulfate, SamplingTool::VolumetricPipette, 10, 100);
    const auto sentences = [&] { return against(correction).sentences; };
    EXPECT_EQ(sentences(), QStringList{configurationtexts::compareNothingYet});
    bench.liquide_MouseMove(copperSulfate);
    bench.liquide_Click(copperSulfate);
    EXPECT_EQ(sentences(), QStringList{configurationtexts::compareFinishSample});
    bench.pipjaug_Click();
    bench.validprel_Click();
    EXPECT_EQ(sentences(), QStringList{configurationtexts::compareFinishFlask});
    bench.setUpDown1Position(2);
    bench.validvol_Click();
    EXPECT_EQ(against(correction).comparison.verdict, ComparisonVerdict::SameAsPrecise);
    bench.Command4_Click(); // "Annuler": the result is gone
    EXPECT_EQ(sentences(), QStringList{configurationtexts::compareFinishFlask});
}

// The same solution made in another volume, or by a protocol the bench warned about: the student
// reads both, the warning in the bench's own words.
TEST_F(CorrectionComparison, TellsTheVolumeMadeAndTheWarningTheStudentDrew)
{
    prepare(measured(sodiumHydroxide, SamplingTool::VolumetricPipette, 10, 200));
    EXPECT_EQ(against(measured(sodiumHydroxide, SamplingTool::VolumetricPipette, 5, 100))
                  .sentences.mid(0, 2),
              (QStringList{configurationtexts::compareSame,
                           "Vous avez préparé 200 mL, le corrigé 100 mL."}));

    prepare(measured(hydrochloricAcid, SamplingTool::GraduatedCylinder, 10, 25));
    const QStringList warned =
        against(measured(hydrochloricAcid, SamplingTool::VolumetricPipette, 10, 25)).sentences;
    EXPECT_EQ(warned.last(), "Votre protocole déclenche l'avertissement de la paillasse : "
                             "«\u00a0La concentration n'est pas précise avec ce protocole.\u00a0»");
    EXPECT_FALSE(warned.join(' ').contains("Vous avez préparé 25 mL"));
}

// Corrections the bench refuses or warns about, or cannot load, are reported in its own words.
TEST_F(CorrectionComparison, QuotesTheBenchAboutTheCorrection)
{
    prepare(measured(hydrochloricAcid, SamplingTool::VolumetricPipette, 10, 25));
    const QString quotedWarning = configurationtexts::compareQuoted.arg(texts::imprecisionWarning);
    EXPECT_EQ(against(measured(hydrochloricAcid, SamplingTool::GraduatedCylinder, 10, 25))
                  .sentences.last(),
              configurationtexts::compareCorrectionWarned.arg(quotedWarning));
    EXPECT_EQ(
        against(measured(hydrochloricAcid, SamplingTool::VolumetricPipette, 25, 25)).sentences,
        (QStringList{configurationtexts::compareCorrectionRefused.arg(
                         configurationtexts::compareQuoted.arg(texts::sampleVolumeRefusal)),
                     configurationtexts::compareNoCorrectionSolution}));

    const QString missing = dir.filePath(QStringLiteral("absent.C05"));
    const ComparisonReport unread = controller.compareWith(missing);
    EXPECT_EQ(unread.comparison.verdict, ComparisonVerdict::CorrectionNotPrepared);
    EXPECT_EQ(unread.sentences.first(),
              configurationtexts::compareCorrectionUnreadable.arg(
                  configurationtexts::compareQuoted.arg(configurationtexts::readFailure)));
    EXPECT_FALSE(QFile::exists(missing));
}

} // namespace
