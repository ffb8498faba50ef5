// The commands on the exercise text: opening an exercise, its correction, saving, reopening,
// printing and closing the text, with the loss guard that protects unsaved edits.
#pragma once

#include "configurations/configurationcontroller.h"
#include "exercises/exercisefile.h"

#include <QString>
#include <functional>
#include <optional>

namespace dosarium {

class ExerciseHost;
class ExerciseSession;
class MessageService;
class TextDialogs;

class ExerciseCommands {
  public:
    // An exercise's configurations load onto the bench of `configurations`.
    ExerciseCommands(ExerciseSession& session, ConfigurationController& configurations,
                     ExerciseHost& host, MessageService& messages, TextDialogs& dialogs);

    ExerciseSession& session() const { return m_session; }

    // The directory of the exercise list, ending with "/"; empty until a file is chosen.
    const QString& exerciseDirectory() const { return m_exerciseDirectory; }
    void setExerciseDirectory(const QString& directory);
    // The exercise opened last names a configuration for its correction.
    bool correctionConfigurationAvailable() const { return !m_correctionConfiguration.isEmpty(); }
    // Its full path, empty when it has none.
    const QString& correctionConfiguration() const { return m_correctionConfiguration; }
    // The full path of the correction configuration an exercise file names, empty when none.
    static QString correctionConfigurationOf(const QString& exerciseFile);

    // True when nothing is lost or the user accepts to lose the edits.
    bool confirmTextLoss();

    // "Ouvrir un exercice": true when the exercise window may be shown.
    bool prepareExerciseChoice();
    // Reads what the preview shows; the read-failure message is shown when it cannot.
    std::optional<ExercisePreview> preview(const QString& exerciseFile);
    // Loads the statement and its configuration; true when the exercise window may close.
    // `statementLoaded` runs once the statement is in the text, before the configuration is
    // replayed, so that the student reads the statement before any message of the bench.
    bool openExercise(const QString& exerciseFile, bool corrected,
                      const std::function<void()>& statementLoaded = {});

    // The commands of the exercise menu; those returning true end by closing the exercise window.
    bool showCorrection();
    // Replays the correction's configuration on a bench of its own and tells the student how
    // their preparation compares: the one on the workbench, or the one the correction's replaced
    // there while the workbench still shows the correction's; nothing else changes.
    void compareWithCorrection();
    // The workbench shows the correction's preparation, which replaced one of the student's.
    bool canReturnToPreparation() const;
    // Replays the student's preparation that the correction's replaced, as opening a file does.
    void returnToPreparation();
    void saveText();
    void reopenText();
    void printText();
    bool closeExercise();

  private:
    // The workbench still shows the preparation the correction's configuration made, named as
    // the loading named it: a student who made the same one again made their own.
    bool correctionOnWorkbench() const;

    ExerciseSession& m_session;
    ConfigurationController& m_configurations;
    ExerciseHost& m_host;
    MessageService& m_messages;
    TextDialogs& m_dialogs;
    QString m_exerciseDirectory;
    // Where the names of the exercise shown are resolved, whatever directory the list shows since.
    QString m_openedExerciseDirectory;
    // The full path of the correction's configuration, empty when the exercise has none.
    QString m_correctionConfiguration;
    // What the exercise's own configurations made on the workbench, and the student's finished
    // preparation that the correction's replaced there.
    std::optional<KeptPreparation> m_statementPreparation;
    std::optional<KeptPreparation> m_correctionPreparation;
    std::optional<KeptPreparation> m_keptPreparation;
};

} // namespace dosarium
