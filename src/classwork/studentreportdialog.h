// The small dialog the student types their name and class in before the report is made, and the
// folder the report is saved in.
#pragma once

#include "classwork/studentreport.h"

#include <QDialog>

class QLineEdit;

namespace dosarium {

class StudentReportDialog : public QDialog {
    Q_OBJECT

  public:
    StudentReportDialog(const StudentIdentity& student, const QString& folder,
                        QWidget* parent = nullptr);

    StudentIdentity student() const;
    QString folder() const;

  private:
    void browse();

    QLineEdit* m_lastName;
    QLineEdit* m_firstName;
    QLineEdit* m_className;
    QLineEdit* m_folder;
};

} // namespace dosarium
