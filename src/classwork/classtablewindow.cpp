#include "classwork/classtablewindow.h"

#include "classwork/classtablefill.h"
#include "classwork/classworktexts.h"
#include "classwork/tableexport.h"
#include "files/safewrite.h"
#include "protocol/benchnumbers.h"
#include "ui/messageservice.h"
#include "ui/textdialogs.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>

namespace dosarium {
namespace {

using namespace classworktexts;

// Above this many files the reading shows its progress and may be cancelled.
constexpr int quietFileCount = 100;

QPushButton* button(const QString& text, QLayout* layout)
{
    auto* pushButton = new QPushButton(text);
    layout->addWidget(pushButton);
    return pushButton;
}

} // namespace

ClassTableWindow::ClassTableWindow(MessageService& messages, TextDialogs& dialogs,
                                   const QString& correctionPath, CorrectionOf correctionOf,
                                   QWidget* parent)
    : QDialog(parent), m_messages(messages), m_dialogs(dialogs),
      m_correctionOf(std::move(correctionOf)), m_sorted(new QSortFilterProxyModel(this)),
      m_view(new QTableView), m_folderLabel(new QLabel), m_correctionLabel(new QLabel),
      m_summary(new QLabel)
{
    setWindowTitle(tableCaption);
    m_sorted->setSourceModel(&m_model);
    m_sorted->setSortRole(ClassTableModel::SortRole);
    m_sorted->setSortLocaleAware(true);
    m_view->setModel(m_sorted);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(-1, Qt::AscendingOrder);
    m_view->setAccessibleName(tableName);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_summary->setWordWrap(true);
    m_folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* commands = new QHBoxLayout;
    connect(button(chooseFolderButton, commands), &QPushButton::clicked, this,
            &ClassTableWindow::chooseFolder);
    connect(button(chooseExerciseButton, commands), &QPushButton::clicked, this,
            &ClassTableWindow::chooseExercise);
    commands->addStretch();
    connect(button(exportButton, commands), &QPushButton::clicked, this,
            &ClassTableWindow::exportTable);
    connect(button(printButton, commands), &QPushButton::clicked, this,
            &ClassTableWindow::printTable);
    connect(button(closeButton, commands), &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_folderLabel);
    layout->addWidget(m_correctionLabel);
    layout->addLayout(commands);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_summary);
    // Wide enough for every column on a large screen, within a small one.
    resize(QSize(1100, 600).boundedTo(screen()->availableSize() * 0.95));
    setCorrection(correctionPath);
    showSummary();
}

void ClassTableWindow::setCorrection(const QString& path)
{
    m_correctionPath = path;
    m_correction = path.isEmpty() ? ConfigurationTrial{}
                                  : tryConfiguration(path, benchnumbers::frenchNumbers());
    m_correctionLabel->setText(path.isEmpty() ? noCorrectionLabel
                                              : correctionLabel.arg(QFileInfo(path).fileName()));
}

void ClassTableWindow::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, classworktexts::chooseFolder, m_folder, QFileDialog::DontUseNativeDialog);
    if (!folder.isEmpty())
        readFolder(folder);
}

void ClassTableWindow::chooseExercise()
{
    const std::optional<QString> exercise = m_dialogs.openFileName(
        {exerciseFilterDescription, exerciseFilterPattern}, exerciseFilterPattern);
    if (!exercise)
        return;
    setCorrection(m_correctionOf(*exercise));
    if (!m_folder.isEmpty())
        readFolder(m_folder);
}

void ClassTableWindow::readFolder(const QString& folder)
{
    m_folder = folder;
    m_folderLabel->setText(tableTitle.arg(QDir::toNativeSeparators(folder)));
    m_model.clear();
    const QStringList files = handInFiles(folder);
    std::unique_ptr<QProgressDialog> progress;
    if (files.size() > quietFileCount) {
        progress = std::make_unique<QProgressDialog>(progressText, progressCancel, 0,
                                                     int(files.size()), this);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
    }
    // A modal progress dialog handles the window's events each time its value is set.
    fillClassTable(m_model, files, m_correction, benchnumbers::frenchNumbers(), [&](int done) {
        if (!progress)
            return true;
        progress->setValue(done);
        return !progress->wasCanceled();
    });
    showSummary();
}

void ClassTableWindow::showSummary()
{
    m_summary->setText(m_model.summary());
}

QList<QStringList> ClassTableWindow::shownRows() const
{
    QList<QStringList> rows;
    for (int row = 0; row < m_sorted->rowCount(); ++row)
        rows << m_model.rows()[m_sorted->mapToSource(m_sorted->index(row, 0)).row()].cells;
    return rows;
}

void ClassTableWindow::fillDocument(QTextDocument& document) const
{
    fillTableDocument(document,
                      m_folderLabel->text() + QLatin1Char('\n') + m_correctionLabel->text(),
                      handInHeader(), shownRows(), m_model.summary());
}

void ClassTableWindow::exportTable()
{
    const std::optional<QString> path =
        m_dialogs.saveFileName({exportFilterDescription, exportFilterPattern}, exportSuffix);
    if (!path)
        return;
    const QFileInfo csv(*path);
    const QString odt = csv.path() + QLatin1Char('/') + csv.completeBaseName() + odtSuffix;
    for (const QFileInfo& target : {csv, QFileInfo(odt)})
        if (target.exists() && !m_messages.confirmYes(overwriteText.arg(target.fileName()),
                                                      overwriteTitle, MessageIcon::Question))
            return;
    QTextDocument document;
    fillDocument(document);
    const QByteArray odtContent = odtBytes(document);
    if (!safeWrite(*path, csvBytes(handInHeader(), shownRows())) || odtContent.isEmpty() ||
        !safeWrite(odt, odtContent))
        m_messages.inform(exportFailure, exportFailureTitle, MessageIcon::Critical);
}

void ClassTableWindow::printTable()
{
    QPagedPaintDevice* printer = m_dialogs.choosePrinter(tableCaption);
    if (!printer)
        return;
    // The table is wider than it is long.
    printer->setPageOrientation(QPageLayout::Landscape);
    QTextDocument document;
    fillDocument(document);
    document.print(printer);
}

} // namespace dosarium
