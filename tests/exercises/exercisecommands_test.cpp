#include "exercises/exercisecommands.h"
#include "exercises/exercisetexts.h"
#include "exercisetestsupport.h"
#include "scriptedmessageservice.h"
#include "unprivileged.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace dosarium;
using namespace dosarium::testing;

namespace {

class ExerciseCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        directory = dir.path() + QLatin1Char('/');
        writeHtml(directory + QStringLiteral("enonce.html"), QStringLiteral("Énoncé du problème"));
        writeHtml(directory + QStringLiteral("corrige.html"), QStringLiteral("Correction"));
        writeExerciseFile(directory + QStringLiteral("ex.E12"),
                          {QStringLiteral("enonce.html"), QStringLiteral("enonce.C05"),
                           QStringLiteral("corrige.html"), QStringLiteral("corrige.C05"),
                           QStringLiteral(" 2")});
    }

    // Opens the exercise as the window does, then forgets what the loading did.
    void openExercise(const QString& name = QStringLiteral("ex.E12"))
    {
        commands.setExerciseDirectory(dir.path());
        ASSERT_TRUE(commands.openExercise(directory + name, true));
        host.controller.setConfigPath(QString());
        messages.shown.clear();
    }

    QString text() const { return host.text(); }

    QTemporaryDir dir;
    QString directory;
    HtmlCodec codec;
    FakeHost host{codec};
    ScriptedMessageService messages;
    ScriptedDialogs dialogs;
    ExerciseCommands commands{host.session, host.controller, host, messages, dialogs};
};

TEST_F(ExerciseCommandsTest, OpeningLoadsStatementAndConfiguration)
{
    host.session.setReadOnly(true);
    commands.setExerciseDirectory(dir.path());
    EXPECT_EQ(commands.exerciseDirectory(), directory);
    ASSERT_TRUE(commands.openExercise(directory + QStringLiteral("ex.E12"), true));
    EXPECT_EQ(text(), QStringLiteral("Énoncé du problème"));
    EXPECT_EQ(host.session.fileName(), directory + QStringLiteral("ex.E12"));
    EXPECT_TRUE(host.session.correctionAvailable());
    EXPECT_EQ(host.controller.configPath(), directory + QStringLiteral("enonce.C05"));
    EXPECT_FALSE(host.session.isReadOnly());
    EXPECT_FALSE(host.session.isModified());
    EXPECT_TRUE(messages.shown.isEmpty());

    // Typing in the statement is now an edit the loss guard protects.
    host.type(QStringLiteral("Ma réponse"));
    EXPECT_TRUE(host.session.isModified());
}

// The printed document is named after the exercise shown; other texts print without a name.
TEST_F(ExerciseCommandsTest, PrintedDocumentIsNamedAfterTheExercise)
{
    QStringList records(ExerciseFile::Title, QStringLiteral(" "));
    records.first() = QStringLiteral("enonce.html");
    records.last() = QStringLiteral("Diluer une solution de sulfate de cuivre");
    writeExerciseFile(directory + QStringLiteral("titre.E12"), records);

    commands.printText();
    EXPECT_EQ(dialogs.lastDocumentName, QString());
    openExercise(QStringLiteral("titre.E12"));
    commands.printText();
    EXPECT_EQ(dialogs.lastDocumentName, records.last());
    ASSERT_TRUE(commands.closeExercise());
    commands.printText();
    EXPECT_EQ(dialogs.lastDocumentName, QString());
    EXPECT_EQ(dialogs.printerAsked, 3);
}

TEST_F(ExerciseCommandsTest, StatementWithoutConfigurationLeavesTheBench)
{
    writeExerciseFile(directory + QStringLiteral("seul.E12"),
                      {QStringLiteral("enonce.html"), QStringLiteral("   ")});
    commands.setExerciseDirectory(directory);
    ASSERT_TRUE(commands.openExercise(directory + QStringLiteral("seul.E12"), false));
    EXPECT_TRUE(host.controller.configPath().isEmpty());
    EXPECT_FALSE(host.session.correctionAvailable());
}

TEST_F(ExerciseCommandsTest, MissingStatementChangesNothing)
{
    writeExerciseFile(directory + QStringLiteral("perdu.E12"),
                      {QStringLiteral("absent.html"), QStringLiteral("enonce.C05")});
    commands.setExerciseDirectory(directory);
    host.session.setFileName(QStringLiteral("avant.E12"));
    host.session.setModified(false);
    EXPECT_FALSE(commands.openExercise(directory + QStringLiteral("perdu.E12"), true));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Le fichier ") + directory +
                                          QStringLiteral("absent.html est introuvable"));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Fichier absent"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(host.session.fileName(), QStringLiteral("avant.E12"));
    EXPECT_EQ(text(), QStringLiteral("Bienvenue"));
    EXPECT_FALSE(host.session.correctionAvailable());
    EXPECT_TRUE(host.controller.configPath().isEmpty());
}

TEST_F(ExerciseCommandsTest, StatementThatIsNotRichTextCountsAsMissing)
{
    QFile file(directory + QStringLiteral("enonce.html"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("ceci n'est pas un texte mis en forme");
    file.close();
    commands.setExerciseDirectory(directory);
    EXPECT_FALSE(commands.openExercise(directory + QStringLiteral("ex.E12"), true));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Fichier absent"));
    EXPECT_EQ(text(), QStringLiteral("Bienvenue"));
}

TEST_F(ExerciseCommandsTest, UnreadableExerciseFile)
{
    commands.setExerciseDirectory(directory);
    EXPECT_FALSE(commands.openExercise(directory + QStringLiteral("nulle-part.E12"), true));
    EXPECT_FALSE(commands.preview(directory + QStringLiteral("nulle-part.E12")));
    ASSERT_EQ(messages.shown.size(), 2);
    for (const Message& message : messages.shown) {
        EXPECT_EQ(message.text,
                  QStringLiteral("Vérifier:\r\n- le nom du fichier,\r\n- l'état du lecteur."));
        EXPECT_EQ(message.title, QStringLiteral("Lecture impossible"));
        EXPECT_EQ(message.icon, MessageIcon::Critical);
    }
    EXPECT_FALSE(commands.openExercise(QStringLiteral("   "), true));
    EXPECT_EQ(messages.shown.size(), 2);
}

// The commands that would drop the student's text, and the answers to the loss question.
struct GuardCase {
    const char* name;
    std::function<bool(ExerciseCommands&)> run; // true when the command went through
};

class LossGuard : public ExerciseCommandsTest,
                  public ::testing::WithParamInterface<std::tuple<GuardCase, int>> {};

TEST_P(LossGuard, AsksOnlyAboutEditedTextAndCancelKeepsIt)
{
    const auto& [command, answer] = GetParam();
    openExercise();
    dialogs.openPath = directory + QStringLiteral("corrige.html");
    if (answer > 0)
        host.type(QStringLiteral("Ma réponse "));
    const QString before = text();
    if (answer == 2)
        messages.answers = {MessageAnswer::Cancel};
    const bool wentThrough = command.run(commands);
    if (answer == 0) {
        EXPECT_TRUE(messages.shown.isEmpty());
    } else {
        ASSERT_FALSE(messages.shown.isEmpty());
        EXPECT_EQ(messages.shown[0].text,
                  QStringLiteral("Attention: perte des modifications du texte."));
        EXPECT_EQ(messages.shown[0].title, QStringLiteral("Abandon des données?"));
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Question);
        EXPECT_EQ(messages.shown[0].buttons, MessageButtons::OkCancel);
    }
    if (answer == 2) {
        EXPECT_FALSE(wentThrough);
        EXPECT_EQ(text(), before);
        EXPECT_TRUE(host.session.isModified());
        EXPECT_EQ(host.session.fileName(), directory + QStringLiteral("ex.E12"));
        EXPECT_TRUE(host.session.correctionAvailable());
    } else {
        EXPECT_TRUE(wentThrough);
        EXPECT_FALSE(host.session.isModified());
        EXPECT_NE(text(), before);
    }
}

const GuardCase guardedCommands[] = {
    {"Correction", [](ExerciseCommands& c) { return c.showCorrection(); }},
    {"Fermer", [](ExerciseCommands& c) { return c.closeExercise(); }},
    {"Retrouver",
     [](ExerciseCommands& c) {
         const QString before = c.session().fileName();
         c.reopenText();
         return c.session().fileName() != before;
     }},
};

std::string guardCaseName(const ::testing::TestParamInfo<std::tuple<GuardCase, int>>& info)
{
    static const char* const answers[] = {"NonModifie", "Ok", "Annuler"};
    return std::string(std::get<0>(info.param).name) + answers[std::get<1>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Commands, LossGuard,
                         ::testing::Combine(::testing::ValuesIn(guardedCommands),
                                            ::testing::Values(0, 1, 2)),
                         guardCaseName);

TEST_F(ExerciseCommandsTest, ChoosingAnExerciseUsesTheGuard)
{
    openExercise();
    host.type(QStringLiteral("x"));
    messages.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(commands.prepareExerciseChoice());
    EXPECT_TRUE(host.session.isModified());
    EXPECT_TRUE(commands.prepareExerciseChoice());
    EXPECT_FALSE(host.session.isModified());
    EXPECT_EQ(messages.shown.size(), 2);
}

TEST_F(ExerciseCommandsTest, CorrectionIsShownReadOnlyWithItsConfiguration)
{
    openExercise();
    ASSERT_TRUE(commands.showCorrection());
    EXPECT_EQ(text(), QStringLiteral("Correction"));
    EXPECT_TRUE(host.session.isReadOnly());
    EXPECT_EQ(host.controller.configPath(), directory + QStringLiteral("corrige.C05"));
    EXPECT_EQ(host.busyChanges, (QList<bool>{true, false}));
    EXPECT_EQ(host.session.fileName(), directory + QStringLiteral("ex.E12"));
    EXPECT_TRUE(host.session.correctionAvailable());
    EXPECT_FALSE(host.session.isModified());
}

TEST_F(ExerciseCommandsTest, CorrectionConfigurationAloneKeepsTheStatement)
{
    writeExerciseFile(directory + QStringLiteral("config.E12"),
                      {QStringLiteral("enonce.html"), QString(), QString(),
                       QStringLiteral("corrige.C05"), QStringLiteral(" 1")});
    openExercise(QStringLiteral("config.E12"));
    ASSERT_TRUE(commands.showCorrection());
    EXPECT_EQ(text(), QStringLiteral("Énoncé du problème"));
    EXPECT_TRUE(host.session.isReadOnly());
    EXPECT_EQ(host.controller.configPath(), directory + QStringLiteral("corrige.C05"));
}

TEST_F(ExerciseCommandsTest, MissingCorrectionKeepsTheText)
{
    QFile::remove(directory + QStringLiteral("corrige.html"));
    openExercise();
    EXPECT_FALSE(commands.showCorrection());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Le fichier ") + directory +
                                          QStringLiteral("corrige.html est introuvable"));
    EXPECT_EQ(text(), QStringLiteral("Énoncé du problème"));
    EXPECT_FALSE(host.session.isReadOnly());
    EXPECT_TRUE(host.controller.configPath().isEmpty());
    EXPECT_EQ(host.busyChanges, (QList<bool>{true, false}));
}

TEST_F(ExerciseCommandsTest, CorrectionIsFoundBesideTheExerciseAfterTheListMoved)
{
    openExercise();
    QTemporaryDir elsewhere;
    commands.setExerciseDirectory(elsewhere.path());
    ASSERT_TRUE(commands.showCorrection());
    EXPECT_EQ(text(), QStringLiteral("Correction"));
    EXPECT_EQ(host.controller.configPath(), directory + QStringLiteral("corrige.C05"));
}

TEST_F(ExerciseCommandsTest, SaveWritesTheTextAndClearsTheFlag)
{
    openExercise();
    host.type(QStringLiteral("Ma réponse : 0,1 mol/L. "));
    dialogs.savePath = directory + QStringLiteral("essai.RTF");
    commands.saveText();
    EXPECT_EQ(dialogs.lastFilter.description, QStringLiteral("Texte au format RTF"));
    EXPECT_EQ(dialogs.lastFilter.pattern, QStringLiteral("*.RTF"));
    EXPECT_EQ(dialogs.lastSuffix, QStringLiteral("RTF"));
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_FALSE(host.session.isModified());

    QTextDocument reread;
    QFile saved(*dialogs.savePath);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    ASSERT_TRUE(codec.decode(saved.readAll(), reread));
    EXPECT_EQ(reread.toPlainText(), text());
}

TEST_F(ExerciseCommandsTest, OverwriteQuestionNamesOnlyTheFile)
{
    openExercise();
    const QString path = directory + QStringLiteral("essai.RTF");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("ancien");
    old.close();
    host.type(QStringLiteral("nouveau "));
    dialogs.savePath = path;

    messages.answers = {MessageAnswer::Cancel};
    commands.saveText();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("Le fichier essai.RTF existe déjà.\r\nEcraser l'ancien?"));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Ecraser le fichier?"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::OkCancel);
    EXPECT_TRUE(host.session.isModified());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("ancien"));
    old.close();

    commands.saveText(); // OK this time
    EXPECT_FALSE(host.session.isModified());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_NE(old.readAll(), QByteArray("ancien"));
}

TEST_F(ExerciseCommandsTest, CancelledSaveKeepsTheFlag)
{
    openExercise();
    host.type(QStringLiteral("x"));
    commands.saveText();
    EXPECT_EQ(dialogs.saveAsked, 1);
    EXPECT_TRUE(host.session.isModified());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(ExerciseCommandsTest, FailedSaveOnAFullDiskKeepsTheFlag)
{
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full on this machine";
    openExercise();
    host.type(QStringLiteral("Ma réponse"));
    dialogs.savePath = QStringLiteral("/dev/full");
    commands.saveText();
    ASSERT_EQ(messages.shown.size(), 2); // it exists: the overwrite question comes first
    EXPECT_EQ(messages.shown[1].text,
              QStringLiteral("Vérifier l'état du lecteur et le nom du fichier."));
    EXPECT_EQ(messages.shown[1].title, QStringLiteral("Erreur d'écriture."));
    EXPECT_EQ(messages.shown[1].icon, MessageIcon::Critical);
    EXPECT_TRUE(host.session.isModified());
    // The device is still a device, not a file renamed over it.
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile() &&
                 QFileInfo(QStringLiteral("/dev/full")).size() > 0);

    // The loss guard still protects the text that was not saved.
    messages.shown.clear();
    messages.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(commands.closeExercise());
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(ExerciseCommandsTest, FailedSaveInAReadOnlyFolderKeepsTheOldText)
{
    openExercise();
    const QString folder = directory + QStringLiteral("protege");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/essai.RTF");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("ancien");
    old.close();
    const QFile::Permissions open =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    const QFile::Permissions readOnly =
        QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), open));
    ASSERT_TRUE(QFile::setPermissions(folder, readOnly));
    host.type(QStringLiteral("Ma réponse"));
    dialogs.savePath = path;
    // Root writes into any folder: the save runs with an ordinary user's rights.
    const std::optional<bool> kept = test::asOrdinaryUser([&] {
        commands.saveText();
        QFile reread(path);
        return messages.shown.size() == 2 &&
               messages.shown[1].title == QStringLiteral("Erreur d'écriture.") &&
               host.session.isModified() && reread.open(QIODevice::ReadOnly) &&
               reread.readAll() == "ancien";
    });
    QFile::setPermissions(folder, open);
    if (!kept)
        GTEST_SKIP() << "the save could not be run without root's rights";
    EXPECT_TRUE(*kept);
}

TEST_F(ExerciseCommandsTest, ReopenedTextIsEditableAndHasNoCorrection)
{
    openExercise();
    dialogs.openPath = directory + QStringLiteral("corrige.html");
    commands.reopenText();
    EXPECT_EQ(dialogs.lastInitialName, QStringLiteral("*.rtf"));
    EXPECT_EQ(dialogs.lastFilter.pattern, QStringLiteral("*.RTF"));
    EXPECT_EQ(text(), QStringLiteral("Correction"));
    EXPECT_EQ(host.session.fileName(), QStringLiteral("Texte: ") + *dialogs.openPath);
    EXPECT_FALSE(host.session.correctionAvailable());
    EXPECT_FALSE(host.session.isReadOnly());
    EXPECT_FALSE(host.session.isModified());
    EXPECT_TRUE(messages.shown.isEmpty());

    ASSERT_TRUE(commands.closeExercise());
    EXPECT_EQ(host.welcomeShown, 1);
    EXPECT_TRUE(host.session.fileName().isEmpty());
}

TEST_F(ExerciseCommandsTest, CancelInTheOpenDialogStillClearsTheFlag)
{
    openExercise();
    host.type(QStringLiteral("brouillon"));
    const QString before = text();
    commands.reopenText(); // OK to the loss question, then Cancel in the dialog
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(dialogs.openAsked, 1);
    EXPECT_EQ(text(), before);
    EXPECT_FALSE(host.session.isModified());
    EXPECT_TRUE(host.session.correctionAvailable());

    messages.shown.clear();
    EXPECT_TRUE(commands.closeExercise());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(ExerciseCommandsTest, TypedNameOfAMissingFile)
{
    openExercise();
    host.session.setReadOnly(true);
    dialogs.openPath = directory + QStringLiteral("inexistant.rtf");
    commands.reopenText();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("Vérifier l'état du lecteur et le nom du fichier."));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Erreur de lecture."));
    EXPECT_EQ(text(), QStringLiteral("Énoncé du problème"));
    EXPECT_FALSE(host.session.isReadOnly());
    EXPECT_EQ(host.session.fileName(), QStringLiteral("Texte: ") + *dialogs.openPath);
    EXPECT_FALSE(host.session.correctionAvailable());
    EXPECT_FALSE(host.session.isModified());
}

TEST_F(ExerciseCommandsTest, ClosingBringsTheWelcomeTextBack)
{
    openExercise();
    ASSERT_TRUE(commands.closeExercise());
    EXPECT_EQ(host.welcomeShown, 1);
    EXPECT_TRUE(host.session.fileName().isEmpty());
    EXPECT_TRUE(host.session.isReadOnly());
    EXPECT_FALSE(host.session.correctionAvailable());
    // Edits of the welcome text are not tracked.
    host.type(QStringLiteral("x"));
    EXPECT_FALSE(host.session.isModified());
}

// Printing goes to a PDF file; its text is read back with pdftotext.
class PrintingTest : public ExerciseCommandsTest {
  protected:
    QString printed()
    {
        const QString pdf = directory + QStringLiteral("sortie.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        dialogs.printer = &printer;
        commands.printText();
        dialogs.printer = nullptr;
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        process.waitForFinished(10000);
        return QString::fromUtf8(process.readAllStandardOutput()).simplified();
    }

    void SetUp() override
    {
        ExerciseCommandsTest::SetUp();
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext is not installed";
        host.session.document().setPlainText(
            QStringLiteral("Première ligne du texte\nDeuxième ligne"));
    }
};

TEST_F(PrintingTest, NothingSelectedPrintsTheWholeText)
{
    const QString pdfText = printed();
    EXPECT_TRUE(pdfText.contains(QStringLiteral("Première ligne du texte Deuxième ligne")))
        << pdfText.toStdString();
}

TEST_F(PrintingTest, SelectionAloneIsPrinted)
{
    host.cursor = QTextCursor(&host.session.document());
    host.cursor.setPosition(9);
    host.cursor.setPosition(23, QTextCursor::KeepAnchor);
    const QString pdfText = printed();
    EXPECT_TRUE(pdfText.contains(QStringLiteral("ligne du texte"))) << pdfText.toStdString();
    EXPECT_FALSE(pdfText.contains(QStringLiteral("Première"))) << pdfText.toStdString();
    EXPECT_FALSE(pdfText.contains(QStringLiteral("Deuxième"))) << pdfText.toStdString();
}

TEST_F(PrintingTest, CancelPrintsNothing)
{
    commands.printText();
    EXPECT_EQ(dialogs.printerAsked, 1);
    EXPECT_FALSE(QFile::exists(directory + QStringLiteral("sortie.pdf")));
    EXPECT_TRUE(messages.shown.isEmpty());
}

} // namespace
