#include "classwork/handinrow.h"

#include "classwork/classworktexts.h"
#include "configurations/correctioncomparison.h"
#include "protocol/benchnumbers.h"
#include "protocol/resultwriting.h"

#include <QFileInfo>

namespace dosarium {
namespace {

using namespace classworktexts;

HandInVerdict verdictOf(ComparisonVerdict verdict)
{
    switch (verdict) {
    case ComparisonVerdict::SameMorePrecise:
        return HandInVerdict::SameMorePrecise;
    case ComparisonVerdict::SameAsPrecise:
        return HandInVerdict::SameAsPrecise;
    case ComparisonVerdict::SameLessPrecise:
        return HandInVerdict::SameLessPrecise;
    case ComparisonVerdict::DifferentReagent:
        return HandInVerdict::DifferentReagent;
    case ComparisonVerdict::DifferentConcentration:
        return HandInVerdict::DifferentConcentration;
    case ComparisonVerdict::DifferentReagentAndConcentration:
        return HandInVerdict::DifferentReagentAndConcentration;
    case ComparisonVerdict::CorrectionNotPrepared:
    case ComparisonVerdict::StudentNotPrepared:
        break;
    }
    return HandInVerdict::NoCorrection;
}

// Three significant figures with the decimal comma, and a power of ten a spreadsheet reads.
QString number(double value, int significantDigits, const QLocale& locale)
{
    const resultwriting::Written written =
        resultwriting::threeFigures(value, significantDigits, locale);
    return written.exponent == 0 ? written.digits
                                 : written.digits + powerOfTen.arg(written.exponent);
}

QString ratioRemark(double ratio, const QLocale& locale)
{
    const bool more = ratio >= 1.0;
    return (more ? ratioMore : ratioLess)
        .arg(benchnumbers::general(more ? ratio : 1.0 / ratio, 3, locale));
}

void fillResult(HandInRow& row, const BenchPreparation& preparation, const QLocale& locale)
{
    const PreparationResult& result = *preparation.result;
    const int digits = resultwriting::significantDigits(result);
    row.concentration = result.concentration;
    row.cells[ConcentrationColumn] = number(result.concentration, digits, locale);
    row.massConcentration =
        resultwriting::massConcentration(result, preparation.state.reagentIndex);
    if (row.massConcentration)
        row.cells[MassConcentrationColumn] = number(*row.massConcentration, digits, locale);
    row.uncertaintyPercent = result.uncertainty / 100.0;
    row.cells[UncertaintyColumn] =
        benchnumbers::hundredthsWithOneDecimal(result.uncertainty, locale);
}

} // namespace

QStringList handInHeader()
{
    return {fileColumn,        reagentColumn,       sampleColumn,
            flaskColumn,       concentrationColumn, massConcentrationColumn,
            uncertaintyColumn, verdictColumn,       remarksColumn};
}

QString verdictText(HandInVerdict verdict)
{
    switch (verdict) {
    case HandInVerdict::SameMorePrecise:
        return sameMorePrecise;
    case HandInVerdict::SameAsPrecise:
        return sameAsPrecise;
    case HandInVerdict::SameLessPrecise:
        return sameLessPrecise;
    case HandInVerdict::DifferentReagent:
        return otherReagent;
    case HandInVerdict::DifferentConcentration:
        return otherConcentration;
    case HandInVerdict::DifferentReagentAndConcentration:
        return otherBoth;
    case HandInVerdict::NoCorrection:
        return noCorrection;
    case HandInVerdict::Refused:
        return refused;
    case HandInVerdict::Unfinished:
        return unfinished;
    case HandInVerdict::Unreadable:
        break;
    }
    return unreadable;
}

HandInRow handInRow(const QString& path, const ConfigurationTrial& correction,
                    const QLocale& locale)
{
    HandInRow row;
    row.cells = QStringList(HandInColumnCount, missing);
    row.cells[FileColumn] = QFileInfo(path).fileName();
    row.cells[RemarksColumn].clear();

    const ConfigurationTrial trial = tryConfiguration(path, locale);
    const BenchPreparation& student = trial.preparation;
    const ComparisonReport report = buildComparisonReport(student, correction, locale);
    if (student.state.protocolStep != ProtocolStep::Prepared || !student.result) {
        // A file loading refuses is told apart from a preparation the bench refuses.
        row.verdict = trial.loadFailure          ? HandInVerdict::Unreadable
                      : trial.messages.isEmpty() ? HandInVerdict::Unfinished
                                                 : HandInVerdict::Refused;
        row.cells[VerdictColumn] = verdictText(row.verdict);
        row.cells[RemarksColumn] =
            trial.loadFailure ? trial.loadFailure->text : quotedMessages(trial.messages);
        return row;
    }
    for (int column : {ReagentColumn, SampleColumn, FlaskColumn})
        row.cells[column] = report.rows.value(column - ReagentColumn).student;
    fillResult(row, student, locale);
    row.verdict = verdictOf(report.comparison.verdict);
    row.cells[VerdictColumn] = verdictText(row.verdict);
    QStringList remarks;
    if (row.verdict == HandInVerdict::DifferentConcentration ||
        row.verdict == HandInVerdict::DifferentReagentAndConcentration)
        remarks << ratioRemark(report.comparison.ratio, locale);
    if (!trial.messages.isEmpty())
        remarks << quotedMessages(trial.messages);
    row.cells[RemarksColumn] = remarks.join(QLatin1Char(' '));
    return row;
}

} // namespace dosarium
