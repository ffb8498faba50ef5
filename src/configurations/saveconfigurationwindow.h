// The save window `enregistrer`: choose where the preparation is written.
#pragma once

#include "configurations/configurationwindow.h"

class QLineEdit;

namespace dosarium {

class SaveConfigurationWindow : public ConfigurationWindow {
    Q_OBJECT

  public:
    // Beside `workbench`, its lists starting at `start`; the name box holds
    // `configPath`.
    SaveConfigurationWindow(ConfigurationController& controller, MessageService& messages,
                            QWidget* workbench, ListsStart start = {});

    QLineEdit* nameBox() const { return m_name; }

    // `Command1`: builds the path from the name box, asks before overwriting, saves; the window
    // closes on success only.
    void saveCommand();

  private:
    QLineEdit* m_name;
};

} // namespace dosarium
