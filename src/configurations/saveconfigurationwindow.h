// The save window `enregistrer`: choose where the preparation is written.
#pragma once

#include "configurations/locationlistsmodel.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace dosarium {

class ConfigurationController;
class LocationLists;
class MessageService;

class SaveConfigurationWindow : public QDialog {
    Q_OBJECT

  public:
    // Placed 20 pixels right of and below the top-left corner of `workbench`; the lists start at
    // the process's current directory and the name box holds `configPath`.
    SaveConfigurationWindow(ConfigurationController& controller, MessageService& messages,
                            QWidget* workbench);
    // The same on given drives and directory.
    SaveConfigurationWindow(ConfigurationController& controller, MessageService& messages,
                            QWidget* workbench, QList<Drive> drives, const QString& directory);

    LocationLists* lists() const { return m_lists; }
    QLineEdit* nameBox() const { return m_name; }

    // `Command1`: builds the path from the name box, asks before overwriting, saves; the window
    // closes on success only.
    void saveCommand();

  private:
    ConfigurationController& m_controller;
    MessageService& m_messages;
    LocationLists* m_lists;
    QLineEdit* m_name;
    QPushButton* m_save;
    QPushButton* m_cancel;
};

} // namespace dosarium
