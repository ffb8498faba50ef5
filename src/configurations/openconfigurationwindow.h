// The open window `ouvrir`: choose the configuration to load onto the bench.
#pragma once

#include "configurations/configurationwindow.h"

class QFrame;
class QLineEdit;

namespace dosarium {

class OpenConfigurationWindow : public ConfigurationWindow {
    Q_OBJECT

  public:
    // Beside `workbench`, its lists starting at `start`.
    OpenConfigurationWindow(ConfigurationController& controller, MessageService& messages,
                            QWidget* workbench, ListsStart start = {});

    QLineEdit* pathBox() const { return m_path; }
    QFrame* notice() const { return m_notice; }

    // `Command1`: loads the file named in the path box; the window closes once loading ran.
    void openCommand();

  private:
    void fileClicked(const QString& name);

    QLineEdit* m_path;
    QFrame* m_notice;
};

} // namespace dosarium
