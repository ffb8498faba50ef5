#include "exercises/exercisecommands.h"

#include "configurations/configurationcontroller.h"
#include "configurations/correctioncomparison.h"
#include "exercises/exercisehost.h"
#include "exercises/exercisesession.h"
#include "exercises/exercisetexts.h"
#include "exercises/exerciseunknown.h"
#include "ui/messageservice.h"
#include "ui/textdialogs.h"

#include <QFileInfo>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace dosarium {
namespace {

const FileFilter rtfFilter{ExerciseTexts::rtfFilterDescription, ExerciseTexts::rtfFilterPattern};

QString withSlash(QString directory)
{
    if (!directory.isEmpty() && !directory.endsWith(QLatin1Char('/')))
        directory += QLatin1Char('/');
    return directory;
}

} // namespace

ExerciseCommands::ExerciseCommands(ExerciseSession& session,
                                   ConfigurationController& configurations, ExerciseHost& host,
                                   MessageService& messages, TextDialogs& dialogs)
    : m_session(session), m_configurations(configurations), m_host(host), m_messages(messages),
      m_dialogs(dialogs)
{}

void ExerciseCommands::setExerciseDirectory(const QString& directory)
{
    m_exerciseDirectory = withSlash(directory);
}

QString ExerciseCommands::correctionConfigurationOf(const QString& exerciseFile)
{
    const std::optional<ExerciseFileNames> correction = ExerciseFile::correction(exerciseFile);
    if (!correction || isBlank(correction->configuration))
        return {};
    return withSlash(QFileInfo(exerciseFile).absolutePath()) + correction->configuration;
}

bool ExerciseCommands::confirmTextLoss()
{
    if (!m_session.isModified())
        return true;
    return m_messages.confirmOk(ExerciseTexts::lossText, ExerciseTexts::lossTitle,
                                MessageIcon::Question);
}

bool ExerciseCommands::prepareExerciseChoice()
{
    if (!confirmTextLoss())
        return false;
    m_session.setModified(false);
    return true;
}

std::optional<ExercisePreview> ExerciseCommands::preview(const QString& exerciseFile)
{
    std::optional<ExercisePreview> preview = ExerciseFile::preview(exerciseFile);
    if (!preview)
        m_messages.inform(ExerciseTexts::unreadableText, ExerciseTexts::unreadableTitle,
                          MessageIcon::Critical);
    return preview;
}

bool ExerciseCommands::openExercise(const QString& exerciseFile, bool corrected,
                                    const std::function<void()>& statementLoaded)
{
    if (isBlank(exerciseFile))
        return false;
    const std::optional<ExerciseFileNames> names = ExerciseFile::statement(exerciseFile);
    if (!names) {
        m_messages.inform(ExerciseTexts::unreadableText, ExerciseTexts::unreadableTitle,
                          MessageIcon::Critical);
        return false;
    }
    const QString statementPath = m_exerciseDirectory + names->text;
    if (!m_session.loadText(statementPath)) {
        m_messages.inform(ExerciseTexts::missingFileText.arg(statementPath),
                          ExerciseTexts::missingFileTitle, MessageIcon::Critical);
        return false;
    }
    m_session.setFileName(exerciseFile);
    m_openedExerciseDirectory = m_exerciseDirectory;
    m_session.setCorrectionAvailable(corrected);
    const std::optional<ExerciseFileNames> correction = ExerciseFile::correction(exerciseFile);
    m_correctionConfiguration = correction && !isBlank(correction->configuration)
                                    ? m_exerciseDirectory + correction->configuration
                                    : QString();
    m_keptPreparation.reset();
    m_statementPreparation.reset();
    if (statementLoaded)
        statementLoaded();
    QString unknownMessage;
    m_session.setUnknown(ExerciseUnknownFile::read(exerciseFile, &unknownMessage));
    if (!unknownMessage.isEmpty())
        m_messages.inform(unknownMessage, ExerciseTexts::unreadableTitle, MessageIcon::Exclamation);
    if (!isBlank(names->configuration)) {
        m_configurations.load(m_exerciseDirectory + names->configuration);
        m_statementPreparation = m_configurations.finishedPreparation();
    }
    m_session.setReadOnly(false);
    m_session.setModified(false);
    return true;
}

bool ExerciseCommands::showCorrection()
{
    if (!confirmTextLoss())
        return false;
    m_session.setModified(false);
    m_host.setBusy(true);
    const std::optional<ExerciseFileNames> names = ExerciseFile::correction(m_session.fileName());
    if (!names) {
        m_messages.inform(ExerciseTexts::unreadableText, ExerciseTexts::unreadableTitle,
                          MessageIcon::Critical);
        m_host.setBusy(false);
        return false;
    }
    // The correction lies beside the exercise shown, even when the list has moved elsewhere since.
    const QString directory =
        m_openedExerciseDirectory.isEmpty() ? m_exerciseDirectory : m_openedExerciseDirectory;
    if (!isBlank(names->text)) {
        const QString correctionPath = directory + names->text;
        if (!m_session.loadText(correctionPath)) {
            m_messages.inform(ExerciseTexts::missingFileText.arg(correctionPath),
                              ExerciseTexts::missingFileTitle, MessageIcon::Critical);
            m_host.setBusy(false);
            return false;
        }
    }
    if (!isBlank(names->configuration)) {
        // A preparation the student finished is set aside; what the exercise made is not theirs.
        const std::optional<KeptPreparation> onWorkbench = m_configurations.finishedPreparation();
        if (onWorkbench && onWorkbench != m_statementPreparation &&
            onWorkbench != m_correctionPreparation)
            m_keptPreparation = onWorkbench;
        m_configurations.load(directory + names->configuration);
        m_correctionPreparation = m_configurations.finishedPreparation();
    }
    m_session.setReadOnly(true);
    m_host.setBusy(false);
    m_session.setModified(false);
    return true;
}

void ExerciseCommands::compareWithCorrection()
{
    if (m_correctionConfiguration.isEmpty())
        return;
    const ComparisonReport report =
        correctionOnWorkbench()
            ? m_configurations.compareKeptWith(
                  m_keptPreparation ? std::optional(m_keptPreparation->preparation) : std::nullopt,
                  m_correctionConfiguration)
            : m_configurations.compareWith(m_correctionConfiguration);
    m_messages.inform(comparisonMessageText(report), ExerciseTexts::compareTitle,
                      MessageIcon::Information);
}

bool ExerciseCommands::correctionOnWorkbench() const
{
    return m_correctionPreparation &&
           m_configurations.finishedPreparation() == m_correctionPreparation;
}

bool ExerciseCommands::canReturnToPreparation() const
{
    return m_keptPreparation && correctionOnWorkbench();
}

void ExerciseCommands::returnToPreparation()
{
    if (canReturnToPreparation())
        m_configurations.restore(*m_keptPreparation);
}

void ExerciseCommands::saveText()
{
    const std::optional<QString> path =
        m_dialogs.saveFileName(rtfFilter, ExerciseTexts::rtfDefaultSuffix);
    if (!path)
        return;
    const QFileInfo target(*path);
    if (target.exists() &&
        !m_messages.confirmOk(ExerciseTexts::overwriteText.arg(target.fileName()),
                              ExerciseTexts::overwriteTitle, MessageIcon::Question))
        return;
    if (!m_session.saveText(*path)) {
        // The text is not saved: the loss guard must still protect it.
        m_messages.inform(ExerciseTexts::driveText, ExerciseTexts::writeErrorTitle,
                          MessageIcon::Critical);
        return;
    }
    m_session.setModified(false);
}

void ExerciseCommands::reopenText()
{
    if (!confirmTextLoss())
        return;
    m_session.setModified(false);
    const std::optional<QString> path =
        m_dialogs.openFileName(rtfFilter, ExerciseTexts::rtfInitialName);
    if (!path)
        return;
    m_session.setCorrectionAvailable(false);
    m_correctionConfiguration.clear();
    if (!m_session.loadText(*path))
        m_messages.inform(ExerciseTexts::driveText, ExerciseTexts::readErrorTitle,
                          MessageIcon::Critical);
    m_session.setReadOnly(false);
    m_session.setFileName(ExerciseTexts::reopenedTextPrefix + *path);
    m_session.setModified(false);
}

void ExerciseCommands::printText()
{
    // The exercise's title names the printed document, so that printouts and PDF files of
    // different exercises can be told apart.
    const std::optional<ExercisePreview> exercise = ExerciseFile::preview(m_session.fileName());
    QPagedPaintDevice* printer =
        m_dialogs.choosePrinter(exercise ? exercise->title.value_or(QString()) : QString());
    if (!printer)
        return;
    const QTextCursor cursor = m_host.exerciseTextCursor();
    if (!cursor.hasSelection()) {
        m_session.document().print(printer);
        return;
    }
    QTextDocument selection;
    selection.setDefaultFont(m_session.document().defaultFont());
    QTextCursor(&selection).insertFragment(cursor.selection());
    selection.print(printer);
}

bool ExerciseCommands::closeExercise()
{
    if (!confirmTextLoss())
        return false;
    m_session.setModified(false);
    m_session.showWelcomeText();
    m_correctionConfiguration.clear();
    m_openedExerciseDirectory.clear();
    return true;
}

} // namespace dosarium
