#include "exercises/exercisecommands.h"

#include "configurations/configurationcontroller.h"
#include "configurations/correctioncomparison.h"
#include "exercises/exercisehost.h"
#include "exercises/exercisetexts.h"
#include "files/safewrite.h"
#include "richtext/richtextcodec.h"
#include "ui/messageservice.h"
#include "ui/textdialogs.h"

#include <QFile>
#include <QFileInfo>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <memory>

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

ExerciseCommands::ExerciseCommands(ExerciseHost& host, MessageService& messages,
                                   RichTextCodec& codec, TextDialogs& dialogs)
    : m_host(host), m_messages(messages), m_codec(codec), m_dialogs(dialogs)
{}

void ExerciseCommands::setExerciseDirectory(const QString& directory)
{
    m_exerciseDirectory = withSlash(directory);
}

bool ExerciseCommands::confirmTextLoss()
{
    if (!m_host.exerciseTextModified())
        return true;
    return m_messages.confirmOk(ExerciseTexts::lossText, ExerciseTexts::lossTitle,
                                MessageIcon::Question);
}

bool ExerciseCommands::prepareExerciseChoice()
{
    if (!confirmTextLoss())
        return false;
    m_host.setExerciseTextModified(false);
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

bool ExerciseCommands::loadRichText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    return m_codec.decode(data, *m_host.exerciseDocument());
}

bool ExerciseCommands::openExercise(const QString& exerciseFile, bool corrected)
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
    if (!loadRichText(statementPath)) {
        m_messages.inform(ExerciseTexts::missingFileText(statementPath),
                          ExerciseTexts::missingFileTitle, MessageIcon::Critical);
        return false;
    }
    m_host.setExerciseFileName(exerciseFile);
    m_openedExerciseDirectory = m_exerciseDirectory;
    m_correctionAvailable = corrected;
    const std::optional<ExerciseFileNames> correction = ExerciseFile::correction(exerciseFile);
    m_correctionConfiguration = correction && !isBlank(correction->configuration)
                                    ? m_exerciseDirectory + correction->configuration
                                    : QString();
    if (!isBlank(names->configuration))
        m_host.loadConfiguration(m_exerciseDirectory + names->configuration);
    m_host.setExerciseTextReadOnly(false);
    m_host.setExerciseTextModified(false);
    return true;
}

bool ExerciseCommands::showCorrection()
{
    if (!confirmTextLoss())
        return false;
    m_host.setExerciseTextModified(false);
    m_host.setBusy(true);
    const std::optional<ExerciseFileNames> names =
        ExerciseFile::correction(m_host.exerciseFileName());
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
        if (!loadRichText(correctionPath)) {
            m_messages.inform(ExerciseTexts::missingFileText(correctionPath),
                              ExerciseTexts::missingFileTitle, MessageIcon::Critical);
            m_host.setBusy(false);
            return false;
        }
    }
    if (!isBlank(names->configuration))
        m_host.loadConfiguration(directory + names->configuration);
    m_host.setExerciseTextReadOnly(true);
    m_host.setBusy(false);
    m_host.setExerciseTextModified(false);
    return true;
}

void ExerciseCommands::compareWithCorrection()
{
    if (m_correctionConfiguration.isEmpty())
        return;
    const ComparisonReport report = m_host.configurations().compareWith(m_correctionConfiguration);
    m_messages.inform(comparisonMessageText(report), ExerciseTexts::compareTitle,
                      MessageIcon::Information);
}

bool ExerciseCommands::writeRichText(const QString& path)
{
    return safeWrite(path, m_codec.encode(*m_host.exerciseDocument()));
}

void ExerciseCommands::saveText()
{
    const std::optional<QString> path =
        m_dialogs.saveFileName(rtfFilter, ExerciseTexts::rtfDefaultSuffix);
    if (!path)
        return;
    const QFileInfo target(*path);
    if (target.exists() &&
        !m_messages.confirmOk(ExerciseTexts::overwriteText(target.fileName()),
                              ExerciseTexts::overwriteTitle, MessageIcon::Question))
        return;
    if (!writeRichText(*path)) {
        // The text is not saved: the loss guard must still protect it.
        m_messages.inform(ExerciseTexts::driveText, ExerciseTexts::writeErrorTitle,
                          MessageIcon::Critical);
        return;
    }
    m_host.setExerciseTextModified(false);
}

void ExerciseCommands::reopenText()
{
    if (!confirmTextLoss())
        return;
    m_host.setExerciseTextModified(false);
    const std::optional<QString> path =
        m_dialogs.openFileName(rtfFilter, ExerciseTexts::rtfInitialName);
    if (!path)
        return;
    m_correctionAvailable = false;
    m_correctionConfiguration.clear();
    if (!loadRichText(*path))
        m_messages.inform(ExerciseTexts::driveText, ExerciseTexts::readErrorTitle,
                          MessageIcon::Critical);
    m_host.setExerciseTextReadOnly(false);
    m_host.setExerciseFileName(ExerciseTexts::reopenedTextPrefix + *path);
    m_host.setExerciseTextModified(false);
}

void ExerciseCommands::printText()
{
    // The exercise's title names the printed document, so that printouts and PDF files of
    // different exercises can be told apart.
    const std::optional<ExercisePreview> exercise =
        ExerciseFile::preview(m_host.exerciseFileName());
    QPagedPaintDevice* printer =
        m_dialogs.choosePrinter(exercise ? exercise->title.value_or(QString()) : QString());
    if (!printer)
        return;
    const QTextCursor cursor = m_host.exerciseTextCursor();
    if (!cursor.hasSelection()) {
        m_host.exerciseDocument()->print(printer);
        return;
    }
    QTextDocument selection;
    selection.setDefaultFont(m_host.exerciseDocument()->defaultFont());
    QTextCursor(&selection).insertFragment(cursor.selection());
    selection.print(printer);
}

bool ExerciseCommands::closeExercise()
{
    if (!confirmTextLoss())
        return false;
    m_host.setExerciseTextModified(false);
    m_host.setExerciseFileName(QString());
    m_host.showWelcomeText();
    m_correctionAvailable = false;
    m_correctionConfiguration.clear();
    m_openedExerciseDirectory.clear();
    return true;
}

} // namespace dosarium
