// The exercises shipped with the program: their sources read, their files are written, and every
// number their corrections quote is the one the bench computes.
#include "benchrun.h"
#include "exercises/exercisecommands.h"
#include "exercises/exercisefile.h"
#include "exercises/exercisemarkup.h"
#include "exercises/exercisesource.h"
#include "exercisetestsupport.h"
#include "massconcentration.h"
#include "richtext/rtfcodec.h"
#include "sourcetree.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dosarium;
using namespace dosarium::testing;

namespace {

// The sources in the repository; the folder is known at build time too, for the listing of the
// test cases.
QString exercisesData()
{
    return test::sourceRoot() + QStringLiteral("/exercises-data");
}

std::vector<std::string> shippedFolders()
{
    std::vector<std::string> names;
    const QDir data(exercisesData());
    for (const QString& name : data.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        names.push_back(name.toStdString());
    return names;
}

// "1,00 × 10^{-1} mol·L^{-1}" and "0,5 %" as the corrections write what the bench shows.
struct QuotedResult {
    QString concentration;
    QString uncertainty;
};

std::optional<QuotedResult> quotedResult(const QString& resultText)
{
    const std::optional<ShownResult> shown = shownResult(resultText);
    if (!shown)
        return std::nullopt;
    QString quoted = shown->mantissa;
    if (shown->exponent != 0)
        quoted += QStringLiteral(" × 10^{%1}").arg(shown->exponent);
    return QuotedResult{quoted + QStringLiteral(" mol·L^{-1}"),
                        shown->uncertainty + QStringLiteral(" %")};
}

class ShippedExercise : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override
    {
        const SourceReading reading = ExerciseSourceReader::read(
            exercisesData() + QLatin1Char('/') + QString::fromStdString(GetParam()));
        ASSERT_TRUE(reading.source) << reading.error.toStdString();
        source = *reading.source;
        QString error;
        ASSERT_TRUE(ExerciseWriter::write(source, out.path(), &error)) << error.toStdString();
    }

    QString written(const QString& name) const { return out.filePath(name); }

    ExerciseSource source;
    QTemporaryDir out;
};

TEST_P(ShippedExercise, PreviewShowsWhatTheSourceSays)
{
    const std::optional<ExercisePreview> preview =
        ExerciseFile::preview(written(source.exerciseFileName()));
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->title, source.title);
    EXPECT_EQ(preview->notions, source.notions.join(QString()));
    EXPECT_EQ(preview->corrected,
              !source.correction.isEmpty() || source.correctionPreparation.has_value());
    ASSERT_TRUE(preview->litMarks);
    EXPECT_GE(*preview->litMarks, 1);

    const std::optional<ExerciseFileNames> statement =
        ExerciseFile::statement(written(source.exerciseFileName()));
    ASSERT_TRUE(statement);
    EXPECT_TRUE(QFile::exists(written(statement->text)));
    if (!statement->configuration.isEmpty()) {
        EXPECT_TRUE(QFile::exists(written(statement->configuration)));
    }
    const std::optional<ExerciseFileNames> correction =
        ExerciseFile::correction(written(source.exerciseFileName()));
    ASSERT_TRUE(correction);
    if (!correction->text.isEmpty()) {
        EXPECT_TRUE(QFile::exists(written(correction->text)));
    }
    if (!correction->configuration.isEmpty()) {
        EXPECT_TRUE(QFile::exists(written(correction->configuration)));
    }
}

// The statement and the correction open from the files written, as the student sees them.
TEST_P(ShippedExercise, OpensWithItsStatementThenItsCorrection)
{
    RtfCodec codec;
    FakeHost host{codec};
    ScriptedMessageService messages;
    ScriptedDialogs dialogs;
    ExerciseCommands commands(host.session, host.controller, host, messages, dialogs);
    commands.setExerciseDirectory(out.path());
    const std::optional<ExercisePreview> preview =
        commands.preview(written(source.exerciseFileName()));
    ASSERT_TRUE(preview);
    ASSERT_TRUE(commands.openExercise(written(source.exerciseFileName()), preview->corrected));
    EXPECT_TRUE(messages.shown.isEmpty());
    const auto showsEveryLine = [&](const QString& markup) {
        const QString shown = host.session.document().toPlainText().simplified();
        for (const QString& line : ExerciseMarkup::toPlainText(markup).split(QLatin1Char('\n'))) {
            QString expected = line.simplified();
            expected.remove(QStringLiteral("• "));
            EXPECT_TRUE(shown.contains(expected)) << expected.toStdString();
        }
    };
    showsEveryLine(source.statement);
    EXPECT_EQ(host.controller.configPath(), source.statementPreparation
                                                ? written(source.statementConfigurationName())
                                                : QString());
    EXPECT_FALSE(host.session.isReadOnly());
    EXPECT_EQ(host.session.correctionAvailable(), !source.correction.isEmpty());
    if (source.correction.isEmpty())
        return;
    host.controller.setConfigPath(QString());
    ASSERT_TRUE(commands.showCorrection());
    showsEveryLine(source.correction);
    EXPECT_TRUE(host.session.isReadOnly());
    EXPECT_EQ(host.controller.configPath(), source.correctionPreparation
                                                ? written(source.correctionConfigurationName())
                                                : QString());
}

// A statement that comes with a configuration ends with the message it tells the student about.
TEST_P(ShippedExercise, BenchRunsTheStatementAsItSays)
{
    if (!source.statementPreparation) {
        EXPECT_TRUE(
            ExerciseFile::statement(written(source.exerciseFileName()))->configuration.isEmpty());
        return;
    }
    const BenchRun run = runOnBench(written(source.statementConfigurationName()));
    const QString expected = source.statementPreparation->expectedMessage;
    if (expected.isEmpty()) {
        EXPECT_TRUE(run.messages.isEmpty());
    } else {
        ASSERT_EQ(run.messages.size(), 1);
        EXPECT_EQ(run.messages[0].text, expected);
    }
}

// The concentration en masse and the results written with their uncertainty as the corrections
// write them: "*C*_{m} = 50,0 g·L^{-1}", "(50,0 ± 0,2) g·L^{-1}",
// "(1,000 ± 0,005) × 10^{-1} mol·L^{-1}".
QString exponentMarkup(int exponent)
{
    return exponent == 0 ? QString() : QStringLiteral(" × 10^{%1}").arg(exponent);
}

QStringList massQuotes(const PreparationSource& preparation, const QString& resultText)
{
    const std::optional<ShownResult> shown = shownResult(resultText);
    if (!shown)
        return {};
    const double cm = massConcentration(preparation);
    const double percent = QString(shown->uncertainty).replace(',', '.').toDouble();
    const Written figures = threeFigures(cm, false);
    const auto writing = [&](double value, int exponent, const QString& unit) {
        const WrittenResult written = withUncertainty(value, percent, exponent);
        return QStringLiteral("(%1 ± %2)").arg(written.value, written.delta) +
               exponentMarkup(exponent) + unit;
    };
    const double molarMass = soluteMolarMass(*Catalogue::reagent(preparation.reagentIndex));
    return {QStringLiteral("*C*_{m} = ") + figures.mantissa + exponentMarkup(figures.exponent) +
                QStringLiteral(" g·L^{-1}"),
            writing(cm, figures.exponent, QStringLiteral(" g·L^{-1}")),
            writing(cm / molarMass, shown->exponent, QStringLiteral(" mol·L^{-1}"))};
}

// Every preparation a correction quotes is named with its sample and flask (there or in the
// statement), and its concentration and uncertainty are what the bench shows; a concentration en
// masse or a result written with its uncertainty is one of those preparations'.
TEST_P(ShippedExercise, CorrectionQuotesTheResultsOfTheBench)
{
    QList<std::pair<QString, PreparationSource>> runs;
    if (source.correctionPreparation)
        runs.append({written(source.correctionConfigurationName()), *source.correctionPreparation});
    for (int i = 0; i < source.checks.size(); ++i) {
        const QString path = out.filePath(QStringLiteral("verification-%1.C05").arg(i));
        const std::optional<ConfigurationValues> values =
            configurationFor(source.checks[i], nullptr);
        ASSERT_TRUE(values);
        ASSERT_TRUE(ConfigurationFile::write(path, *values));
        runs.append({path, source.checks[i]});
    }
    // Only an exercise without a correction has nothing to check.
    EXPECT_EQ(runs.isEmpty(), source.correction.isEmpty());
    QStringList expectedMassQuotes;
    for (const auto& [path, preparation] : runs) {
        const BenchRun run = runOnBench(path);
        expectedMassQuotes += massQuotes(preparation, run.result);
        const std::optional<QuotedResult> result = quotedResult(run.result);
        ASSERT_TRUE(result) << run.result.toStdString();
        EXPECT_TRUE(source.correction.contains(result->concentration))
            << result->concentration.toStdString() << " missing from the correction";
        EXPECT_TRUE(source.correction.contains(result->uncertainty))
            << result->uncertainty.toStdString() << " missing from the correction";
        for (const QString& setting : {quantity(preparation), flaskText(preparation)}) {
            EXPECT_TRUE((source.statement + source.correction).contains(setting))
                << setting.toStdString() << " missing from the statement and the correction";
        }
        EXPECT_EQ(run.messages.size(), preparation.expectedMessage.isEmpty() ? 0 : 1);
    }
    static const QRegularExpression quoted(
        QStringLiteral("\\*C\\*_\\{m\\} = [\\d,]+(?: × 10\\^\\{-?\\d+\\})? g·L\\^\\{-1\\}|"
                       "\\([\\d,]+ ± [\\d,]+\\)(?: × 10\\^\\{-?\\d+\\})? (?:mol|g)·L\\^\\{-1\\}"));
    for (QRegularExpressionMatchIterator it = quoted.globalMatch(source.correction);
         it.hasNext();) {
        const QString quote = it.next().captured();
        EXPECT_TRUE(expectedMassQuotes.contains(quote))
            << quote.toStdString() << " is no result of the correction's preparations";
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedExercise, ::testing::ValuesIn(shippedFolders()),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(ShippedExercises, CoverTheCasesStudentsMeet)
{
    int withoutCorrection = 0;
    int inGramsPerLitre = 0;
    int refusals = 0;
    int warnings = 0;
    int weighedSolids = 0;
    int dilutions = 0;
    int liquidsByVolumeAndMass = 0;
    QSet<int> marks;
    const std::vector<std::string> folders = shippedFolders();
    EXPECT_GE(folders.size(), 12u);
    for (const std::string& folder : folders) {
        const SourceReading reading = ExerciseSourceReader::read(
            exercisesData() + QLatin1Char('/') + QString::fromStdString(folder));
        ASSERT_TRUE(reading.source) << reading.error.toStdString();
        const ExerciseSource& source = *reading.source;
        marks.insert(ExerciseFile::litMarks(source.difficulty.toDouble()));
        if (source.correction.isEmpty() && !source.correctionPreparation)
            ++withoutCorrection;
        if (source.statement.contains(QStringLiteral("g·L^{-1}")) &&
            source.correction.contains(QStringLiteral("*C*_{m} = ")))
            ++inGramsPerLitre;
        QList<PreparationSource> all = source.checks;
        for (const auto& each : {source.statementPreparation, source.correctionPreparation}) {
            if (each)
                all.append(*each);
        }
        bool byVolume = false;
        bool byMass = false;
        for (const PreparationSource& preparation : all) {
            if (preparation.expectedMessage.startsWith(QStringLiteral("Dépassement")))
                ++refusals;
            if (preparation.expectedMessage.contains(QStringLiteral("pas précise")))
                ++warnings;
            if (preparation.reagentIndex == 3 || preparation.reagentIndex == 4)
                ++weighedSolids;
            if (preparation.reagentIndex > 4)
                ++dilutions;
            if (preparation.reagentIndex < 3) {
                (SamplingTool(preparation.tool) == SamplingTool::Balance ? byMass : byVolume) =
                    true;
            }
        }
        if (byVolume && byMass)
            ++liquidsByVolumeAndMass;
    }
    EXPECT_EQ(withoutCorrection, 0);
    EXPECT_GE(inGramsPerLitre, 3);
    EXPECT_GE(refusals, 1);
    EXPECT_GE(warnings, 1);
    EXPECT_GE(weighedSolids, 1);
    EXPECT_GE(dilutions, 1);
    EXPECT_GE(liquidsByVolumeAndMass, 1);
    EXPECT_TRUE(marks.contains(1) && marks.contains(2) && marks.contains(3));
}

} // namespace
