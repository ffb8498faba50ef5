// The exercise menu `optionexo` and the exercise window it belongs to: what the workbench calls
// when its exercise button is clicked.
#pragma once

#include "classwork/studentreportcommand.h"
#include "configurations/locationlistsmodel.h"
#include "exercises/exercisecommands.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QMenu;

namespace dosarium {

class ConfigurationController;
class ExerciseHost;
class ExerciseSession;
class ExerciseWindow;
class MessageService;
class TextDialogs;

class ExerciseMenu : public QObject {
    Q_OBJECT

  public:
    ExerciseMenu(ExerciseSession& session, ConfigurationController& configurations,
                 ExerciseHost& host, MessageService& messages, TextDialogs& dialogs,
                 const QString& applicationDirectory, QObject* parent = nullptr);
    ~ExerciseMenu() override;

    ExerciseCommands& commands() { return m_commands; }

    // The exercise button was clicked: the menu pops up under it, its entries enabled for the
    // text shown.
    void popUp();
    // The entries' enabled states, as the pop-up shows them.
    void updateEntries();

    // The window, created hidden (with its start-up) when it does not exist.
    ExerciseWindow* window();
    bool hasWindow() const { return !m_window.isNull(); }
    // The menu of the current window; entries by object name (`openexo`, `opencor`, ...).
    QMenu* menu();
    QAction* entry(const char* objectName);

    // A command of another window, added under the menu's own entries of every menu made from now.
    void addEntry(const char* objectName, const QString& caption, std::function<void()> run);

    // For tests: the drives the exercise window lists.
    void setDrives(QList<Drive> drives) { m_drives = std::move(drives); }

    // The menu's commands.
    void openexo_Click();
    void opencor_Click();
    void comparecor_Click();
    void retourprep_Click();
    void savetexte_Click();
    void opentexte_Click();
    void imprimetexte_Click();
    void Closexo_Click();
    void classtable_Click();
    void compterendu_Click();

  signals:
    // The exercise window is about to be shown modally; tests answer it through this.
    void exerciseWindowShown(ExerciseWindow* window);

  private:
    void createMenu(ExerciseWindow* window);
    void updateCorrectionEntries();
    void closeWindow();

    struct Entry {
        const char* objectName;
        QString caption;
        std::function<void()> run;
    };

    ExerciseHost& m_host;
    MessageService& m_messages;
    TextDialogs& m_dialogs;
    QList<Entry> m_addedEntries;
    ExerciseCommands m_commands;
    StudentReportCommand m_report;
    // Typed once for the report and kept until the program closes, nowhere else.
    StudentIdentity m_student;
    QString m_reportFolder;
    QString m_applicationDirectory;
    std::optional<QList<Drive>> m_drives;
    QPointer<ExerciseWindow> m_window;
    QPointer<QMenu> m_menu;
};

} // namespace dosarium
