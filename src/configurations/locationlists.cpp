#include "configurations/locationlists.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>

namespace dosarium {

namespace {

constexpr int pathRole = Qt::UserRole;
constexpr int indentPerLevel = 2;

// An entry as wide as the list at most: a long name is shortened in its middle, keeping its start
// and its extension in view, and its tooltip gives it whole.
class ListWidthDelegate : public QStyledItemDelegate {
  public:
    explicit ListWidthDelegate(QListWidget* list) : QStyledItemDelegate(list), m_list(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(qMin(size.width(), m_list->viewport()->width()));
        return size;
    }

  private:
    QListWidget* m_list;
};

void fitEntriesToWidth(QListWidget* list)
{
    list->setItemDelegate(new ListWidthDelegate(list));
    list->setTextElideMode(Qt::ElideMiddle);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setResizeMode(QListView::Adjust);
}

} // namespace

LocationLists::LocationLists(QWidget* parent, const QString& pattern, QList<Drive> drives,
                             const QString& directory)
    : QObject(parent), m_model(std::move(drives), directory, pattern),
      m_drive(new QComboBox(parent)), m_directory(new QListWidget(parent)),
      m_file(new QListWidget(parent))
{
    m_drive->setObjectName(QStringLiteral("Drive1"));
    m_directory->setObjectName(QStringLiteral("Dir1"));
    m_file->setObjectName(QStringLiteral("File1"));
    fitEntriesToWidth(m_directory);
    fitEntriesToWidth(m_file);
    for (const Drive& drive : m_model.drives())
        m_drive->addItem(QApplication::style()->standardIcon(QStyle::SP_DriveHDIcon), drive.name);

    connect(m_drive, &QComboBox::activated, this, &LocationLists::chooseDrive);
    connect(m_directory, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { enterDirectoryRow(m_directory->row(item)); });
    connect(m_file, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit fileClicked(item->text()); });
    connect(m_file, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit fileDoubleClicked(item->text()); });
    m_directory->installEventFilter(this);
    m_file->installEventFilter(this);
    refresh();
}

LocationLists::LocationLists(QWidget* parent, const QString& pattern)
    : LocationLists(parent, pattern, LocationListsModel::mountedDrives(), QDir::currentPath())
{}

QString LocationLists::selectedFile() const
{
    const QListWidgetItem* item = m_file->currentItem();
    return item ? item->text() : QString();
}

void LocationLists::setDirectory(const QString& path)
{
    if (m_model.setDirectory(path)) {
        refresh();
        emit directoryChanged(m_model.directory());
    }
}

void LocationLists::setPattern(const QString& pattern)
{
    m_model.setPattern(pattern);
    refresh();
}

void LocationLists::selectFile(int row)
{
    if (row < 0 || row >= m_file->count())
        return;
    m_file->setCurrentRow(row);
    emit fileClicked(m_file->item(row)->text());
}

void LocationLists::chooseDrive(int index)
{
    const bool moved = m_model.chooseDrive(index);
    // Back to the drive of the directory, whether the chosen one was ready or not.
    refresh();
    if (moved)
        emit directoryChanged(m_model.directory());
}

void LocationLists::enterDirectoryRow(int row)
{
    const QListWidgetItem* item = m_directory->item(row);
    if (item)
        setDirectory(item->data(pathRole).toString());
}

void LocationLists::enterHighlightedDirectory()
{
    enterDirectoryRow(m_directory->currentRow());
}

bool LocationLists::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == m_directory) {
                enterHighlightedDirectory();
                return true;
            }
            if (watched == m_file && m_file->currentItem()) {
                emit fileReturnPressed(m_file->currentItem()->text());
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void LocationLists::refresh()
{
    const QSignalBlocker driveBlocker(m_drive);
    m_drive->setCurrentIndex(m_model.currentDrive());

    const QIcon openIcon = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon);
    m_directory->clear();
    for (const DirectoryEntry& entry : m_model.directoryEntries()) {
        auto* item = new QListWidgetItem(entry.open ? openIcon : closedIcon,
                                         QString(entry.depth * indentPerLevel, u' ') + entry.name,
                                         m_directory);
        item->setData(pathRole, entry.path);
        item->setToolTip(entry.name);
    }
    m_directory->setCurrentRow(m_model.directoryRow());

    m_file->clear();
    for (const QString& name : m_model.files())
        (new QListWidgetItem(name, m_file))->setToolTip(name);
}

} // namespace dosarium
