// The drive, directory and file lists (`Drive1`, `Dir1`, `File1`) kept in step; the window
// that uses them lays them out with its own labels.
#pragma once

#include "configurations/locationlistsmodel.h"

#include <QObject>

class QComboBox;
class QListWidget;
class QWidget;

namespace dosarium {

class LocationLists : public QObject {
    Q_OBJECT

  public:
    // The three widgets are created as children of `parent`.
    LocationLists(QWidget* parent, const QString& pattern, QList<Drive> drives,
                  const QString& directory);
    // Starts at the process's current directory, on the mounted volumes.
    LocationLists(QWidget* parent, const QString& pattern);

    QComboBox* driveList() const { return m_drive; }
    QListWidget* directoryList() const { return m_directory; }
    QListWidget* fileList() const { return m_file; }
    const LocationListsModel& model() const { return m_model; }

    QString directory() const { return m_model.directory(); }
    QString selectedFile() const;
    // Moves the lists to a directory; nothing happens when it cannot be read.
    void setDirectory(const QString& path);
    void setPattern(const QString& pattern);
    // Selects a file of the list as a click would.
    void selectFile(int row);

    // What the student does in the lists (mouse and keyboard).
    void chooseDrive(int index);
    void enterDirectoryRow(int row);
    void enterHighlightedDirectory();

  signals:
    // The directory of the file list changed.
    void directoryChanged(const QString& directory);
    void fileClicked(const QString& name);
    void fileDoubleClicked(const QString& name);
    void fileReturnPressed(const QString& name);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refresh();

    LocationListsModel m_model;
    QComboBox* m_drive;
    QListWidget* m_directory;
    QListWidget* m_file;
};

} // namespace dosarium
