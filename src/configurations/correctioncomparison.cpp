#include "configurations/correctioncomparison.h"

#include "configurations/configurationtexts.h"
#include "protocol/benchnumbers.h"
#include "protocol/benchtable.h"
#include "protocol/bottles.h"
#include "protocol/instruments.h"
#include "protocol/protocoltexts.h"
#include "protocol/resultwriting.h"

#include <QtMath>

namespace dosarium {
namespace {

using namespace configurationtexts;

// Below this ratio the number of times would read 1 with three significant digits.
constexpr double visibleRatio = 1.005;

QString sampleText(const PreparationState& s, const QLocale& locale)
{
    const bench::Instrument& instrument = bench::instrument(s.samplingTool);
    if (instrument.weighs())
        return compareWeighed.arg(instruments::massReadout(qRound(s.sampledMass * 100), locale));
    const QString volume =
        instruments::sampledVolumeReadout(s.samplingTool, s.sampledVolume, locale);
    switch (instrument.part) {
    case bench::fiole:
        return compareWithVolumetricFlask.arg(volume);
    case bench::eprouvette:
        return compareWithCylinder.arg(volume);
    case bench::pipjaug:
        return compareWithVolumetricPipette.arg(volume);
    default:
        break;
    }
    return compareWithGraduatedPipette.arg(volume);
}

QString concentrationText(double concentration, int digits, const QLocale& locale)
{
    const benchnumbers::Scientific c = benchnumbers::scientific(concentration, digits, locale);
    QString text = c.mantissa;
    if (c.exponent != 0)
        text += comparePowerOfTen + benchnumbers::superscript(c.exponent);
    return text + compareUnit;
}

QString concentrationText(const PreparationResult& r, const QLocale& locale)
{
    return concentrationText(
        r.concentration,
        r.singlePrecision ? benchnumbers::singleDigits : benchnumbers::doubleDigits, locale);
}

// Cm beside C, for the same solution.
QString withMassConcentration(const QString& concentration, const PreparationResult& r,
                              int reagentIndex, const QLocale& locale)
{
    const std::optional<double> cm = resultwriting::massConcentration(r, reagentIndex);
    if (!cm)
        return concentration;
    return concentration + compareMassConcentration.arg(resultwriting::massConcentrationText(
                               *cm, resultwriting::significantDigits(r), locale));
}

QString percent(qint64 tenths, const QLocale& locale)
{
    return benchnumbers::fixed(double(tenths) / 10.0, 1, benchnumbers::doubleDigits, locale);
}

QString uncertaintyText(const PreparationResult& r, const QLocale& locale)
{
    return comparePercent.arg(benchnumbers::hundredthsWithOneDecimal(r.uncertainty, locale));
}

// The columns of one preparation: a preparation that did not reach the flask shows nothing.
QStringList column(const BenchPreparation& p, const QLocale& locale)
{
    if (p.state.protocolStep != ProtocolStep::Prepared)
        return QStringList(5, compareMissing);
    const std::optional<Bottle> bottle = cupboardBottle(p.state.reagentIndex);
    return {bottle ? bottle->reagentName : compareMissing, sampleText(p.state, locale),
            instruments::flaskVolumeReadout(p.state.flaskVolume, locale),
            p.result ? withMassConcentration(concentrationText(*p.result, locale), *p.result,
                                             p.state.reagentIndex, locale)
                     : compareMissing,
            p.result ? uncertaintyText(*p.result, locale) : compareMissing};
}

QString unfinishedText(ProtocolStep step)
{
    switch (step) {
    case ProtocolStep::NoPreparation:
        return compareNothingYet;
    case ProtocolStep::Sampling:
        return compareFinishSample;
    case ProtocolStep::FlaskChoice:
        return compareFinishFlask;
    case ProtocolStep::Prepared:
        break;
    }
    return compareStudentRefused;
}

QStringList correctionFailureSentences(const ConfigurationTrial& correction)
{
    QString failure;
    if (correction.preparation.state.protocolStep == ProtocolStep::Prepared)
        failure = compareCorrectionRefused.arg(quotedMessages(correction.messages));
    else if (!correction.messages.isEmpty())
        failure = compareCorrectionUnreadable.arg(quotedMessages(correction.messages));
    else
        failure = compareCorrectionIncomplete;
    return {failure, compareNoCorrectionSolution};
}

QString ratioText(double ratio, const QLocale& locale)
{
    const double times = ratio >= 1.0 ? ratio : 1.0 / ratio;
    if (times < visibleRatio)
        return ratio >= 1.0 ? compareSlightlyMore : compareSlightlyLess;
    const QString number = benchnumbers::general(times, 3, locale);
    return (ratio >= 1.0 ? compareTimesMore : compareTimesLess).arg(number);
}

// Same solution or not, a student who made another volume of it is told so.
QStringList withFlaskVolumes(QStringList sentences, const BenchPreparation& student,
                             const BenchPreparation& correction, const QLocale& locale)
{
    const QString mine = instruments::flaskVolumeReadout(student.state.flaskVolume, locale);
    const QString theirs = instruments::flaskVolumeReadout(correction.state.flaskVolume, locale);
    if (mine != theirs)
        sentences.insert(1, compareFlaskVolumes.arg(mine, theirs));
    return sentences;
}

QStringList verdictSentences(const PreparationComparison& c, const BenchPreparation& student,
                             const BenchPreparation& correction, const QLocale& locale)
{
    const QString mine =
        benchnumbers::hundredthsWithOneDecimal(student.result->uncertainty, locale);
    const QString theirs =
        benchnumbers::hundredthsWithOneDecimal(correction.result->uncertainty, locale);
    const QString gap = percent(c.gapTenths, locale);
    const QString tolerance = percent(c.toleranceTenths, locale);
    switch (c.verdict) {
    case ComparisonVerdict::SameMorePrecise:
        return {compareSame, compareGapWithin.arg(gap, tolerance),
                compareMorePrecise.arg(mine, theirs)};
    case ComparisonVerdict::SameAsPrecise:
        return {compareSame, compareGapWithin.arg(gap, tolerance), compareAsPrecise.arg(mine)};
    case ComparisonVerdict::SameLessPrecise:
        return {compareSame, compareGapWithin.arg(gap, tolerance),
                compareLessPrecise.arg(mine, theirs)};
    case ComparisonVerdict::DifferentReagent:
        return {compareOtherReagent, compareGapWithin.arg(gap, tolerance)};
    case ComparisonVerdict::DifferentConcentration:
        return {compareOtherConcentration, ratioText(c.ratio, locale),
                compareGapBeyond.arg(gap, tolerance)};
    case ComparisonVerdict::DifferentReagentAndConcentration:
        return {compareOtherBoth, ratioText(c.ratio, locale), compareGapBeyond.arg(gap, tolerance)};
    case ComparisonVerdict::StudentNotPrepared:
    case ComparisonVerdict::CorrectionNotPrepared:
        break;
    }
    return {};
}

} // namespace

ComparisonReport buildComparisonReport(const BenchPreparation& student,
                                       const ConfigurationTrial& correction, const QLocale& locale,
                                       ComparedPreparation compared)
{
    ComparisonReport report;
    if (compared == ComparedPreparation::KeptBeforeCorrection)
        report.subject = compareKeptPreparation;
    report.comparison = comparePreparations(student, correction.preparation);
    if (report.comparison.verdict == ComparisonVerdict::StudentNotPrepared) {
        report.sentences = {unfinishedText(student.state.protocolStep)};
        return report;
    }
    const QStringList mine = column(student, locale);
    const QStringList theirs = column(correction.preparation, locale);
    const QStringList labels = {compareReagentRow, compareSampleRow, compareFlaskRow,
                                compareConcentrationRow, compareUncertaintyRow};
    for (int i = 0; i < labels.size(); ++i)
        report.rows.append({labels[i], mine[i], theirs[i]});

    if (report.comparison.verdict == ComparisonVerdict::CorrectionNotPrepared) {
        report.sentences = correctionFailureSentences(correction);
        return report;
    }
    report.sentences = withFlaskVolumes(
        verdictSentences(report.comparison, student, correction.preparation, locale), student,
        correction.preparation, locale);
    if (student.mother && !correction.preparation.mother)
        report.sentences.insert(
            1, compareThroughMother.arg(concentrationText(student.mother->concentration,
                                                          benchnumbers::doubleDigits, locale)));
    if (report.comparison.studentWarned)
        report.sentences << compareStudentWarned.arg(compareQuoted.arg(texts::imprecisionWarning));
    if (report.comparison.correctionWarned)
        report.sentences << compareCorrectionWarned.arg(quotedMessages(correction.messages));
    return report;
}

ComparisonReport nothingKeptReport()
{
    ComparisonReport report;
    report.sentences = {compareNothingKept};
    return report;
}

QString comparisonMessageText(const ComparisonReport& report)
{
    QString html;
    if (!report.subject.isEmpty())
        html += QStringLiteral("<p>") + report.subject.toHtmlEscaped() + QStringLiteral("</p>");
    if (!report.rows.isEmpty()) {
        const auto cell = [](const char* tag, const QString& text) {
            return QStringLiteral("<%1 align=\"left\">%2</%1>")
                .arg(QLatin1String(tag), text.toHtmlEscaped());
        };
        html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\"><tr>") +
                cell("th", QString()) + cell("th", compareStudentColumn) +
                cell("th", compareCorrectionColumn) + QStringLiteral("</tr>");
        for (const ComparisonRow& row : report.rows)
            html += QStringLiteral("<tr>") + cell("td", row.label) + cell("td", row.student) +
                    cell("td", row.correction) + QStringLiteral("</tr>");
        html += QStringLiteral("</table>");
    }
    for (const QString& sentence : report.sentences)
        html += QStringLiteral("<p>") + sentence.toHtmlEscaped() + QStringLiteral("</p>");
    return html;
}

QString quotedMessages(const QList<Message>& messages)
{
    QStringList quotes;
    for (const Message& message : messages)
        quotes << compareQuoted.arg(message.text);
    return quotes.join(QLatin1Char(' '));
}

} // namespace dosarium
