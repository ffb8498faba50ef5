// What the exercise window and the exercise commands need from the workbench that shows the
// exercise text.
#pragma once

#include <QString>

class QTextDocument;
class QTextCursor;
class QWidget;

namespace dosarium {

class ConfigurationController;

class ExerciseHost {
  public:
    virtual ~ExerciseHost() = default;

    // The document of the text area `supertext` and its cursor (for the selection to print).
    virtual QTextDocument* exerciseDocument() = 0;
    virtual QTextCursor exerciseTextCursor() const = 0;
    virtual void setExerciseTextReadOnly(bool readOnly) = 0;

    // The file-name box `fich`.
    virtual QString exerciseFileName() const = 0;
    virtual void setExerciseFileName(const QString& name) = 0;

    virtual bool exerciseTextModified() const = 0;
    virtual void setExerciseTextModified(bool modified) = 0;

    // Puts the welcome text back, read-only.
    virtual void showWelcomeText() = 0;

    // Sets the configuration path and loads it onto the bench; the loading reports its own
    // failures and sets the window title.
    virtual void loadConfiguration(const QString& path) = 0;
    // Loading and saving on the bench the student prepares on; the comparison with the correction
    // reads that bench through it.
    virtual const ConfigurationController& configurations() const = 0;

    // The hourglass pointer while a correction loads.
    virtual void setBusy(bool busy) = 0;

    // The window the exercise window covers, and the button the exercise menu pops up under.
    virtual QWidget* hostWindow() = 0;
    virtual QWidget* exerciseButton() = 0;
};

} // namespace dosarium
