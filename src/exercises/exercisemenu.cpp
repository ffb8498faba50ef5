#include "exercises/exercisemenu.h"

#include "classwork/classtablewindow.h"
#include "classwork/classworktexts.h"
#include "classwork/studentreportdialog.h"
#include "exercises/exercisehost.h"
#include "exercises/exercisesession.h"
#include "exercises/exercisetexts.h"
#include "exercises/exercisewindow.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QMenu>
#include <QTextDocument>
#include <QTimer>

namespace dosarium {

ExerciseMenu::ExerciseMenu(ExerciseSession& session, ConfigurationController& configurations,
                           ExerciseHost& host, MessageService& messages, TextDialogs& dialogs,
                           const QString& applicationDirectory, QObject* parent)
    : QObject(parent), m_host(host), m_messages(messages), m_dialogs(dialogs),
      m_commands(session, configurations, host, messages, dialogs),
      m_report(configurations, dialogs, messages), m_reportFolder(QDir::currentPath()),
      m_applicationDirectory(applicationDirectory)
{}

ExerciseMenu::~ExerciseMenu()
{
    delete m_window.data();
}

ExerciseWindow* ExerciseMenu::window()
{
    if (!m_window) {
        m_window =
            m_drives ? new ExerciseWindow(m_commands, m_host.hostWindow(), m_applicationDirectory,
                                          *m_drives)
                     : new ExerciseWindow(m_commands, m_host.hostWindow(), m_applicationDirectory);
        createMenu(m_window);
    }
    return m_window;
}

QMenu* ExerciseMenu::menu()
{
    window();
    return m_menu;
}

QAction* ExerciseMenu::entry(const char* objectName)
{
    return menu()->findChild<QAction*>(QString::fromLatin1(objectName));
}

void ExerciseMenu::createMenu(ExerciseWindow* window)
{
    m_menu = new QMenu(window);
    m_menu->setObjectName(QStringLiteral("optionexo"));
    const auto add = [this](const char* name, const QString& caption, void (ExerciseMenu::*run)()) {
        QAction* action = m_menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, run);
    };
    add("openexo", ExerciseTexts::menuOpenExercise, &ExerciseMenu::openexo_Click);
    add("opencor", ExerciseTexts::menuShowCorrection, &ExerciseMenu::opencor_Click);
    add("comparecor", ExerciseTexts::menuCompare, &ExerciseMenu::comparecor_Click);
    add("retourprep", ExerciseTexts::menuReturnToPreparation, &ExerciseMenu::retourprep_Click);
    m_menu->addSeparator();
    add("savetexte", ExerciseTexts::menuSaveText, &ExerciseMenu::savetexte_Click);
    add("opentexte", ExerciseTexts::menuReopenText, &ExerciseMenu::opentexte_Click);
    add("imprimetexte", ExerciseTexts::menuPrintText, &ExerciseMenu::imprimetexte_Click);
    m_menu->addSeparator();
    add("Closexo", ExerciseTexts::menuCloseExercise, &ExerciseMenu::Closexo_Click);
    m_menu->addSeparator();
    add("compterendu", classworktexts::menuReport, &ExerciseMenu::compterendu_Click);
    add("classtable", classworktexts::menuClassTable, &ExerciseMenu::classtable_Click);
    if (!m_addedEntries.isEmpty())
        m_menu->addSeparator();
    for (const Entry& added : m_addedEntries) {
        QAction* action = m_menu->addAction(added.caption);
        action->setObjectName(QString::fromLatin1(added.objectName));
        connect(action, &QAction::triggered, this, added.run);
    }
    connect(m_menu, &QMenu::aboutToShow, this, [this] { updateCorrectionEntries(); });
}

void ExerciseMenu::updateCorrectionEntries()
{
    entry("opencor")->setEnabled(m_commands.session().correctionAvailable());
    entry("comparecor")->setEnabled(m_commands.correctionConfigurationAvailable());
    entry("retourprep")->setEnabled(m_commands.canReturnToPreparation());
}

void ExerciseMenu::addEntry(const char* objectName, const QString& caption,
                            std::function<void()> run)
{
    m_addedEntries.append({objectName, caption, std::move(run)});
}

void ExerciseMenu::updateEntries()
{
    updateCorrectionEntries();
    entry("Closexo")->setEnabled(!m_commands.session().fileName().isEmpty());
}

void ExerciseMenu::popUp()
{
    updateEntries();
    QWidget* button = m_host.exerciseButton();
    const QPoint corner = button ? button->mapToGlobal(QPoint(0, button->height())) : QPoint();
    menu()->popup(corner);
}

void ExerciseMenu::closeWindow()
{
    if (m_window) {
        m_window->hide();
        // The menu that ran the command belongs to the window: delete it once the command ends.
        m_window->deleteLater();
    }
}

void ExerciseMenu::openexo_Click()
{
    if (!m_commands.prepareExerciseChoice())
        return;
    ExerciseWindow* shown = window();
    emit exerciseWindowShown(shown);
    shown->exec();
    closeWindow();
}

void ExerciseMenu::opencor_Click()
{
    if (m_commands.showCorrection())
        closeWindow();
}

void ExerciseMenu::comparecor_Click()
{
    m_commands.compareWithCorrection();
}

void ExerciseMenu::retourprep_Click()
{
    m_commands.returnToPreparation();
}

void ExerciseMenu::savetexte_Click()
{
    m_commands.saveText();
}

void ExerciseMenu::opentexte_Click()
{
    m_commands.reopenText();
}

void ExerciseMenu::imprimetexte_Click()
{
    m_commands.printText();
}

void ExerciseMenu::Closexo_Click()
{
    if (m_commands.closeExercise())
        closeWindow();
}

void ExerciseMenu::classtable_Click()
{
    ClassTableWindow table(m_messages, m_dialogs, m_commands.correctionConfiguration(),
                           &ExerciseCommands::correctionConfigurationOf, m_host.hostWindow());
    table.exec();
}

void ExerciseMenu::compterendu_Click()
{
    StudentReportDialog dialog(m_student, m_reportFolder, m_host.hostWindow());
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_student = dialog.student();
    m_reportFolder = dialog.folder();
    const ExerciseSession& session = m_commands.session();
    const bool exerciseOpen = !session.fileName().isEmpty();
    const std::optional<ExercisePreview> exercise =
        exerciseOpen ? ExerciseFile::preview(session.fileName()) : std::nullopt;
    const ReportSource source{
        exercise ? exercise->title.value_or(QString()) : QString(),
        m_commands.correctionConfiguration(),
        exerciseOpen && !session.isReadOnly() ? session.document().toPlainText() : QString()};
    m_report.run(m_student, m_reportFolder, source, QDate::currentDate());
}

} // namespace dosarium
