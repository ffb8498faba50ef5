// The exercise text as the student sees it in the workbench's text area: its document, the file it
// comes from, whether it may be edited, whether it was edited, and whether the exercise shown has a
// correction. The workbench's `supertext` and `fich` mirror it.
#pragma once

#include "exercises/exerciseunknown.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QTextDocument;

namespace dosarium {

class RichTextCodec;

class ExerciseSession : public QObject {
    Q_OBJECT

  public:
    // `buildWelcomeText` fills the document with the text shown while no exercise is open.
    ExerciseSession(RichTextCodec& codec, std::function<void(QTextDocument&)> buildWelcomeText,
                    QObject* parent = nullptr);

    QTextDocument& document() const { return *m_document; }

    // What `fich` shows: the path of the exercise file, "Texte: " and the path of a reopened text,
    // or nothing while the welcome text is shown.
    const QString& fileName() const { return m_fileName; }
    void setFileName(const QString& name);
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);
    // `exerciseTextModified`: edited since the text was loaded or saved. Edits count only while a
    // file is named, so edits of the welcome text never do.
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    // `correctionAvailable`: the exercise opened last has a correction.
    bool correctionAvailable() const { return m_correctionAvailable; }
    void setCorrectionAvailable(bool available) { m_correctionAvailable = available; }
    // The unknown solution of the exercise opened last, for the colour rack; nothing when it has
    // none.
    const std::optional<ExerciseUnknown>& unknown() const { return m_unknown; }
    void setUnknown(const std::optional<ExerciseUnknown>& unknown);

    // Replaces the text with the rich-text file at `path`; false, with the text unchanged, when the
    // file cannot be read or is not rich text.
    bool loadText(const QString& path);
    // Writes the whole text to `path`; false, with any file already there left whole, when it
    // cannot.
    bool saveText(const QString& path) const;
    // Puts the welcome text back, read-only, with no file named and no correction.
    void showWelcomeText();

  signals:
    // The file name or the read-only flag changed.
    void changed();
    // An exercise with an unknown solution was opened.
    void unknownChanged();

  private:
    RichTextCodec& m_codec;
    std::function<void(QTextDocument&)> m_buildWelcomeText;
    QTextDocument* m_document;
    QString m_fileName;
    std::optional<ExerciseUnknown> m_unknown;
    bool m_readOnly = true;
    bool m_modified = false;
    bool m_correctionAvailable = false;
};

} // namespace dosarium
