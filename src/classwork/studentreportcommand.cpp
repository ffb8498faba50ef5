#include "classwork/studentreportcommand.h"

#include "classwork/classworktexts.h"
#include "classwork/reportfilename.h"
#include "configurations/configurationcontroller.h"
#include "configurations/correctioncomparison.h"
#include "files/safewrite.h"
#include "protocol/benchmodel.h"
#include "ui/messageservice.h"
#include "ui/textdialogs.h"

#include <QDir>
#include <QTextDocument>

namespace dosarium {

StudentReportCommand::StudentReportCommand(ConfigurationController& configurations,
                                           TextDialogs& dialogs, MessageService& messages)
    : m_configurations(configurations), m_dialogs(dialogs), m_messages(messages)
{}

bool StudentReportCommand::run(const StudentIdentity& student, const QString& folder,
                               const ReportSource& source, const QDate& date)
{
    const BenchModel& bench = m_configurations.bench();
    StudentReport report{student,
                         date,
                         source.exerciseTitle,
                         benchPreparation(bench),
                         &bench.resultDocument(),
                         {},
                         source.studentText};
    if (!source.correctionPath.isEmpty() && report.preparation.result)
        report.verdict = m_configurations.compareWith(source.correctionPath).sentences;
    QTextDocument document;
    fillReportDocument(document, report, bench.locale());
    const QString title = reportTitle(report);
    if (QPagedPaintDevice* printer = m_dialogs.choosePrinter(title))
        document.print(printer);

    const QString base = QDir(folder).filePath(
        reportBaseName(student.lastName, student.firstName, source.exerciseTitle, date));
    const QString pdf = base + classworktexts::pdfSuffix;
    const QString configuration = base + classworktexts::configurationSuffix;
    const QByteArray bytes = reportPdf(document, title);
    if (bytes.isEmpty() || !safeWrite(pdf, bytes)) {
        m_messages.inform(classworktexts::exportFailure, classworktexts::exportFailureTitle,
                          MessageIcon::Critical);
        return false;
    }
    // The configuration's own failure message is shown by the save.
    if (!m_configurations.write(configuration))
        return false;
    m_messages.inform(classworktexts::reportSaved.arg(QDir::toNativeSeparators(pdf),
                                                      QDir::toNativeSeparators(configuration)),
                      classworktexts::reportSavedTitle, MessageIcon::Information);
    return true;
}

} // namespace dosarium
