// Making the student's report from the workbench: printed through the print dialog, then saved as
// a PDF file beside the preparation's configuration file of the same name.
#pragma once

#include "classwork/studentreport.h"

#include <QDate>
#include <QString>

namespace dosarium {

class ConfigurationController;
class MessageService;
class TextDialogs;

struct ReportSource {
    QString exerciseTitle;
    // The exercise's correction configuration; empty when it has none.
    QString correctionPath;
    QString studentText;
};

class StudentReportCommand {
  public:
    StudentReportCommand(ConfigurationController& configurations, TextDialogs& dialogs,
                         MessageService& messages);

    // Prints the report when a printer is chosen, then writes "<name>.pdf" and "<name>.C05" in
    // `folder`; true when both are written.
    bool run(const StudentIdentity& student, const QString& folder, const ReportSource& source,
             const QDate& date);

  private:
    ConfigurationController& m_configurations;
    TextDialogs& m_dialogs;
    MessageService& m_messages;
};

} // namespace dosarium
