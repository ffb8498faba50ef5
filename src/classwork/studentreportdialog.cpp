#include "classwork/studentreportdialog.h"

#include "classwork/classworktexts.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dosarium {
namespace {

using namespace classworktexts;

QLineEdit* field(QFormLayout* form, const QString& label, const QString& text)
{
    auto* edit = new QLineEdit(text);
    edit->setAccessibleName(label.chopped(2));
    form->addRow(label, edit);
    return edit;
}

} // namespace

StudentReportDialog::StudentReportDialog(const StudentIdentity& student, const QString& folder,
                                         QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(reportWindowTitle);
    auto* form = new QFormLayout;
    m_lastName = field(form, lastNameLabel, student.lastName);
    m_firstName = field(form, firstNameLabel, student.firstName);
    m_className = field(form, classLabel, student.className);
    m_folder = new QLineEdit(folder);
    m_folder->setAccessibleName(folderLabel.chopped(2));
    auto* browseRow = new QHBoxLayout;
    browseRow->addWidget(m_folder, 1);
    auto* browseButton = new QPushButton(classworktexts::browseButton);
    browseRow->addWidget(browseButton);
    form->addRow(folderLabel, browseRow);
    connect(browseButton, &QPushButton::clicked, this, &StudentReportDialog::browse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(460);
}

StudentIdentity StudentReportDialog::student() const
{
    return {m_lastName->text(), m_firstName->text(), m_className->text()};
}

QString StudentReportDialog::folder() const
{
    return m_folder->text();
}

void StudentReportDialog::browse()
{
    const QString chosen = QFileDialog::getExistingDirectory(
        this, reportFolderCaption, m_folder->text(), QFileDialog::DontUseNativeDialog);
    if (!chosen.isEmpty())
        m_folder->setText(chosen);
}

} // namespace dosarium
