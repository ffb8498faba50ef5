// A dilution of a prepared mother solution compared with a correction: the student's figures are
// those of the two dilutions, and the sentences say the student went through a mother solution.
#include "configurations/configurationcontroller.h"
#include "configurations/configurationtexts.h"
#include "configurations/correctioncomparison.h"
#include "configurations/preparationamounts.h"
#include "motherdilution.h"
#include "protocol/benchmodel.h"
#include "protocol/preparation.h"
#include "scriptedmessageservice.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dosarium;
using namespace dosarium::configurationtexts;
using namespace dosarium::test;

namespace {

class MotherComparison : public ::testing::Test {
  protected:
    // The permanganate mother solution sampled again with the volumetric pipette.
    void diluteTheMother(int pipettePosition, int flaskPosition)
    {
        keepPermanganateMother(bench);
        bench.flaconmere_MouseMove();
        bench.flaconmere_Click();
        pipetteInto(bench, pipettePosition, flaskPosition);
        ASSERT_TRUE(messages.shown.isEmpty());
    }
    // The correction makes its solution straight from the stock: 1 mL to 1000 mL, 5,00 × 10⁻⁴.
    QString correction()
    {
        const QString path = dir.filePath(QStringLiteral("corrige.C05"));
        const std::optional<ConfigurationValues> values = configurationFor(
            {qint16(permanganate), qint16(SamplingTool::VolumetricPipette), 0.0, 1.0, 1000.0},
            nullptr);
        EXPECT_TRUE(values && ConfigurationFile::write(path, *values));
        return path;
    }
    QStringList column(const ComparisonReport& report, bool student)
    {
        QStringList cells;
        for (const ComparisonRow& row : report.rows)
            cells << (student ? row.student : row.correction);
        return cells;
    }

    QTemporaryDir dir;
    ScriptedMessageService messages;
    BenchModel bench{messages, QLocale(QLocale::French, QLocale::France)};
    ConfigurationController controller{bench, messages};
};

const QString throughMother = compareThroughMother.arg(QStringLiteral("1,00 · 10⁻³ mol · L⁻¹"));

} // namespace

TEST_F(MotherComparison, TheSameSolutionMadeInTwoStepsIsTheSameAndCarriesBothUncertainties)
{
    // 25 mL of the mother to 50 mL: 5,00 × 10⁻⁴ mol/L, as the correction's.
    diluteTheMother(pipette25mL, flask50mL);
    const QString path = correction();
    const ComparisonReport report = controller.compareWith(path);
    ASSERT_EQ(report.rows.size(), 5);
    const QStringList mine = column(report, true);
    EXPECT_EQ(mine[2], QStringLiteral("50 mL"));
    EXPECT_EQ(mine[3], column(report, false)[3]) << mine[3].toStdString();
    EXPECT_EQ(mine[4], QStringLiteral("0,8 %")) << "the mother's 0,4 % added to the dilution's";
    EXPECT_EQ(report.comparison.verdict, ComparisonVerdict::SameLessPrecise);
    ASSERT_GE(report.sentences.size(), 2);
    EXPECT_EQ(report.sentences[0], compareSame);
    EXPECT_EQ(report.sentences[1], throughMother);

    // The same preparation kept aside while the correction is on the workbench is replayed with
    // its mother solution, and compared the same way.
    const ComparisonReport kept = controller.compareKeptWith(Preparation::of(bench), path);
    EXPECT_EQ(kept.subject, compareKeptPreparation);
    EXPECT_EQ(column(kept, true), mine);
    EXPECT_EQ(kept.sentences, report.sentences);
}

TEST_F(MotherComparison, ADifferentConcentrationIsMeasuredFromTheMother)
{
    // 10 mL of the mother to 100 mL: 1,00 × 10⁻⁴ mol/L, five times less than the correction.
    diluteTheMother(pipette10mL, flask100mL);
    const ComparisonReport report = controller.compareWith(correction());
    ASSERT_EQ(report.rows.size(), 5);
    EXPECT_TRUE(report.rows[3].student.startsWith(QStringLiteral("1,00 · 10⁻⁴ mol · L⁻¹")))
        << report.rows[3].student.toStdString();
    EXPECT_EQ(report.rows[4].student, QStringLiteral("0,8 %"));
    EXPECT_EQ(report.comparison.verdict, ComparisonVerdict::DifferentConcentration);
    EXPECT_EQ(report.sentences.value(1), throughMother);
    EXPECT_TRUE(report.sentences.contains(compareTimesLess.arg(QStringLiteral("5"))))
        << report.sentences.join(QLatin1Char('|')).toStdString();
}
