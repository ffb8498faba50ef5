#include "classwork/studentreport.h"

#include "catalogue/reagent.h"
#include "classwork/classworktexts.h"
#include "configurations/correctioncomparison.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextList>

namespace dosarium {
namespace {

using namespace classworktexts;

QString labelData(const Reagent& reagent)
{
    switch (reagent.kind) {
    case ReagentKind::PureLiquid:
        return labelLiquid.arg(reagent.molarMassText, reagent.densityText);
    case ReagentKind::PureSolid:
        return labelSolid.arg(reagent.molarMassText);
    case ReagentKind::AqueousSolution:
        break;
    }
    return labelSolution.arg(reagent.concentrationText, reagent.massConcentrationText);
}

void heading(QTextCursor& cursor, const QString& text, double pointSize)
{
    QTextBlockFormat block;
    block.setTopMargin(pointSize);
    block.setBottomMargin(4);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontPointSize(pointSize);
    cursor.insertBlock(block, bold);
    cursor.insertText(text);
}

void paragraph(QTextCursor& cursor, const QString& text)
{
    QTextCharFormat plain;
    plain.setFontPointSize(11);
    cursor.insertBlock(QTextBlockFormat(), plain);
    cursor.insertText(text);
}

} // namespace

QString reportTitle(const StudentReport& report)
{
    const QString who =
        QStringList{report.student.firstName.trimmed(), report.student.lastName.trimmed()}
            .join(QLatin1Char(' '))
            .trimmed();
    return reportTitleText.arg(who, report.exerciseTitle.isEmpty() ? freePreparation
                                                                   : report.exerciseTitle);
}

QStringList protocolSteps(const BenchPreparation& preparation, const QLocale& locale)
{
    const Reagent* reagent = Catalogue::reagent(preparation.state.reagentIndex);
    const ComparisonReport columns =
        buildComparisonReport(preparation, ConfigurationTrial{}, locale);
    if (!reagent || columns.rows.size() < 3)
        return {};
    return {stepReagent.arg(reagent->name, labelData(*reagent)),
            stepSample.arg(columns.rows[1].student), stepFlask.arg(columns.rows[2].student)};
}

void fillReportDocument(QTextDocument& document, const StudentReport& report, const QLocale& locale)
{
    document.clear();
    document.setMetaInformation(QTextDocument::DocumentTitle, reportTitle(report));
    QTextCursor cursor(&document);
    QTextCharFormat titleFormat;
    titleFormat.setFontWeight(QFont::Bold);
    titleFormat.setFontPointSize(16);
    cursor.setCharFormat(titleFormat);
    cursor.insertText(reportHeading);
    paragraph(cursor,
              studentLine.arg(report.student.lastName.trimmed(), report.student.firstName.trimmed(),
                              report.student.className.trimmed()));
    paragraph(cursor, dateLine.arg(locale.toString(report.date, QLocale::LongFormat)));
    paragraph(cursor, exerciseLine.arg(report.exerciseTitle.isEmpty() ? freePreparation
                                                                      : report.exerciseTitle));

    heading(cursor, protocolHeading, 13);
    const QStringList steps = protocolSteps(report.preparation, locale);
    if (steps.isEmpty()) {
        paragraph(cursor, nothingPrepared);
    } else {
        QTextListFormat numbered;
        numbered.setStyle(QTextListFormat::ListDecimal);
        paragraph(cursor, steps.first());
        QTextList* list = cursor.createList(numbered);
        for (const QString& step : steps.mid(1)) {
            paragraph(cursor, step);
            list->add(cursor.block());
        }
    }

    heading(cursor, resultHeading, 13);
    if (report.result && report.preparation.result) {
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        cursor.insertFragment(QTextDocumentFragment(report.result));
    } else {
        paragraph(cursor, nothingPrepared);
    }

    if (!report.verdict.isEmpty()) {
        heading(cursor, verdictHeading, 13);
        for (const QString& sentence : report.verdict)
            paragraph(cursor, sentence);
    }
    if (!report.studentText.trimmed().isEmpty()) {
        heading(cursor, studentTextHeading, 13);
        paragraph(cursor, report.studentText.trimmed());
    }
}

QByteArray reportPdf(QTextDocument& document, const QString& title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(reportCreator);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        document.print(&writer);
    }
    return bytes;
}

} // namespace dosarium
