// What the open and save windows share: a modal window beside the workbench with the location
// lists, the window's command `Command1` and `Command2`, which cancels.
#pragma once

#include "configurations/locationlistsmodel.h"

#include <QDialog>
#include <QDir>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;

namespace dosarium {

class ConfigurationController;
class LocationLists;
class MessageService;

// Where the location lists start: the drives they offer and the directory they show.
struct ListsStart {
    QList<Drive> drives = LocationListsModel::mountedDrives();
    QString directory = QDir::currentPath();
};

class ConfigurationWindow : public QDialog {
    Q_OBJECT

  public:
    LocationLists* lists() const { return m_lists; }

  protected:
    // Named `name`, 460 by 330 pixels, placed 20 pixels right of and below the top-left corner of
    // `workbench`. The Return key presses neither button.
    ConfigurationWindow(ConfigurationController& controller, MessageService& messages,
                        QWidget* workbench, const QString& name, const QString& caption,
                        const QString& command, ListsStart start);

    // A label for `box` that also names the box, so that a screen reader says what the box is
    // for (lists take no name from a buddy label).
    QLabel* labelFor(const QString& text, QWidget* box);
    // The two buttons, to the right of their row.
    QHBoxLayout* buttonRow();
    // Lays the lists out in `layout`: on the left from row `filesRow` down, the file list under
    // its label; on the right from the top, the directory list under its label, then the drive
    // list under its label, level at the bottom with the file list. The file list's first row
    // takes the height left over.
    void placeLists(QGridLayout* layout, const QString& filesLabel, const QString& directoryLabel,
                    int filesRow);

    ConfigurationController& m_controller;
    MessageService& m_messages;
    LocationLists* m_lists;
    QPushButton* m_command;
    QPushButton* m_cancel;
};

} // namespace dosarium
