// What the open and save windows share: a modal window beside the workbench with the location
// lists, the window's command `Command1` and `Command2`, which cancels.
#pragma once

#include "configurations/locationlistsmodel.h"

#include <QDialog>
#include <QDir>

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
    // Named `name`, placed 20 pixels right of and below the top-left corner of `workbench`. The
    // Return key presses neither button.
    ConfigurationWindow(ConfigurationController& controller, MessageService& messages,
                        QWidget* workbench, const QString& name, const QString& caption,
                        const QString& command, ListsStart start);

    // A label for `box` that also names the box, so that a screen reader says what the box is
    // for (lists take no name from a buddy label).
    QLabel* labelFor(const QString& text, QWidget* box);
    // The two buttons, to the right of their row.
    QHBoxLayout* buttonRow();

    ConfigurationController& m_controller;
    MessageService& m_messages;
    LocationLists* m_lists;
    QPushButton* m_command;
    QPushButton* m_cancel;
};

} // namespace dosarium
