// The open window `ouvrir`: choose the configuration to load onto the bench.
#pragma once

#include "configurations/locationlistsmodel.h"

#include <QDialog>

class QFrame;
class QLineEdit;
class QPushButton;

namespace dosarium {

class ConfigurationController;
class LocationLists;
class MessageService;

class OpenConfigurationWindow : public QDialog {
    Q_OBJECT

  public:
    // Placed 20 pixels right of and below the top-left corner of `workbench`; the lists start at
    // the process's current directory.
    OpenConfigurationWindow(ConfigurationController& controller, MessageService& messages,
                            QWidget* workbench);
    OpenConfigurationWindow(ConfigurationController& controller, MessageService& messages,
                            QWidget* workbench, QList<Drive> drives, const QString& directory);

    LocationLists* lists() const { return m_lists; }
    QLineEdit* pathBox() const { return m_path; }
    QFrame* notice() const { return m_notice; }

    // `Command1`: loads the file named in the path box; the window closes once loading ran.
    void openCommand();

  private:
    void fileClicked(const QString& name);

    ConfigurationController& m_controller;
    MessageService& m_messages;
    QWidget* m_workbench;
    LocationLists* m_lists;
    QLineEdit* m_path;
    QPushButton* m_open;
    QPushButton* m_cancel;
    QFrame* m_notice;
};

} // namespace dosarium
