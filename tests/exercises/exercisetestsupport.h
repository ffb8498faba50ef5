// Doubles for the exercise tests: a workbench host holding a real exercise session and bench, a
// codec that reads and writes HTML, and dialogs answered from a script.
#pragma once

#include "configurations/configurationcontroller.h"
#include "configurations/recordfile.h"
#include "exercises/exercisehost.h"
#include "exercises/exercisesession.h"
#include "protocol/benchmodel.h"
#include "qstringprinter.h"
#include "richtext/richtextcodec.h"
#include "scriptedmessageservice.h"
#include "ui/textdialogs.h"

#include <QFile>
#include <QObject>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

namespace dosarium::testing {

// The workbench as the exercise commands see it: the exercise session it mirrors, the bench the
// configurations load onto, and the window's own part (the selection, the busy pointer).
class FakeHost : public ExerciseHost {
  public:
    explicit FakeHost(RichTextCodec& codec)
        : session(codec, [this](QTextDocument& document) {
              document.setPlainText(QStringLiteral("Bienvenue"));
              ++welcomeShown;
          })
    {
        session.document().setPlainText(QStringLiteral("Bienvenue"));
    }

    QTextCursor exerciseTextCursor() const override { return cursor; }
    void setBusy(bool busy) override { busyChanges.append(busy); }
    QWidget* hostWindow() override { return nullptr; }
    QWidget* exerciseButton() override { return nullptr; }

    // The student types into the text.
    void type(const QString& text) { QTextCursor(&session.document()).insertText(text); }
    QString text() const { return session.document().toPlainText(); }

    ExerciseSession session;
    QTextCursor cursor;
    int welcomeShown = 0;
    QList<bool> busyChanges;
    ScriptedMessageService benchMessages;
    BenchModel bench{benchMessages, QLocale(QLocale::French, QLocale::France)};
    ConfigurationController controller{bench, benchMessages};
};

// Rich text as HTML: enough to check that the commands hand the right bytes to the right place.
class HtmlCodec : public RichTextCodec {
  public:
    bool decode(const QByteArray& data, QTextDocument& document) override
    {
        if (!data.startsWith("<!DOCTYPE HTML") && !data.startsWith("<html"))
            return false;
        document.setHtml(QString::fromUtf8(data));
        return true;
    }
    QByteArray encode(const QTextDocument& document) override { return document.toHtml().toUtf8(); }
};

class ScriptedDialogs : public TextDialogs {
  public:
    std::optional<QString> saveFileName(const FileFilter& filter, const QString& suffix) override
    {
        lastFilter = filter;
        lastSuffix = suffix;
        ++saveAsked;
        return savePath;
    }
    std::optional<QString> openFileName(const FileFilter& filter, const QString& initial) override
    {
        lastFilter = filter;
        lastInitialName = initial;
        ++openAsked;
        return openPath;
    }
    QPagedPaintDevice* choosePrinter(const QString& documentName) override
    {
        ++printerAsked;
        lastDocumentName = documentName;
        return printer;
    }

    std::optional<QString> savePath;
    std::optional<QString> openPath;
    QPagedPaintDevice* printer = nullptr;
    FileFilter lastFilter;
    QString lastSuffix;
    QString lastInitialName;
    QString lastDocumentName;
    int saveAsked = 0;
    int openAsked = 0;
    int printerAsked = 0;
};

// Writes the eleven records of an exercise file.
inline void writeExerciseFile(const QString& path, const QStringList& records)
{
    QFile::remove(path);
    for (int i = 0; i < records.size(); ++i)
        RecordFile::writeRecord(path, i + 1, records[i]);
}

inline void writeHtml(const QString& path, const QString& text)
{
    QTextDocument document;
    document.setPlainText(text);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(HtmlCodec().encode(document));
}

} // namespace dosarium::testing
