#include "workbench/qttextdialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>

namespace dosarium {
namespace {

// The pattern in both cases, since file names here are case-sensitive; the dialog shows only the
// description.
QString nameFilter(const FileFilter& filter)
{
    return QStringLiteral("%1 (%2 %3)")
        .arg(filter.description, filter.pattern.toUpper(), filter.pattern.toLower());
}

std::optional<QString> run(QFileDialog& dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setDirectory(QDir::currentPath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> QtTextDialogs::saveFileName(const FileFilter& filter,
                                                   const QString& defaultSuffix)
{
    QFileDialog dialog(m_parent ? m_parent.data() : QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The command asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(nameFilter(filter));
    dialog.setDefaultSuffix(defaultSuffix);
    return run(dialog);
}

std::optional<QString> QtTextDialogs::openFileName(const FileFilter& filter,
                                                   const QString& initialName)
{
    QFileDialog dialog(m_parent ? m_parent.data() : QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name that does not exist is the command's to report.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(nameFilter(filter));
    dialog.selectFile(initialName);
    return run(dialog);
}

QPagedPaintDevice* QtTextDialogs::choosePrinter(const QString& documentName)
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>();
    m_printer->setDocName(documentName);
    QPrintDialog dialog(m_printer.get(), m_parent ? m_parent.data() : QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return m_printer.get();
}

} // namespace dosarium
