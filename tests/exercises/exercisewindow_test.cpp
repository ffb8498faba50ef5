#include "configurations/locationlists.h"
#include "configurations/preparationamounts.h"
#include "exercises/exerciseheading.h"
#include "exercises/exercisemenu.h"
#include "exercises/exercisewindow.h"
#include "exercisetestsupport.h"
#include "protocol/protocoltexts.h"
#include "scriptedmessageservice.h"
#include "ui/picturebutton.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace dosarium;
using namespace dosarium::testing;

namespace {

// A host whose window and exercise button are real widgets.
class WidgetHost : public FakeHost {
  public:
    explicit WidgetHost(RichTextCodec& codec) : FakeHost(codec)
    {
        workbench.setWindowTitle(QStringLiteral("Dosarium - /tmp/essai.C05"));
        workbench.setGeometry(40, 30, 800, 600);
        button.setParent(&workbench);
        button.setGeometry(424, 288, 97, 19);
    }
    QWidget* hostWindow() override { return &workbench; }
    QWidget* exerciseButton() override { return &button; }

    QWidget workbench;
    QWidget button;
};

class ExerciseWindowTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        directory = dir.path() + QLatin1Char('/');
        writeHtml(directory + QStringLiteral("a.html"), QStringLiteral("Énoncé A"));
        writeExerciseFile(directory + QStringLiteral("a.E12"),
                          {QStringLiteral("a.html"), QString(), QStringLiteral("a.html"), QString(),
                           QStringLiteral(" 2"), QString(), QStringLiteral("pH"),
                           QStringLiteral(" dilution"), QString(), QString(),
                           QStringLiteral(" Exercice A ")});
        writeExerciseFile(directory + QStringLiteral("b.e12"),
                          {QStringLiteral("absent.html"), QString(), QString(), QString(),
                           QString(), QString(), QString(), QString(), QString(), QString(),
                           QStringLiteral("Exercice B")});
        menu.setDrives({Drive{QStringLiteral("/"), QStringLiteral("/")}});
    }

    ExerciseWindow& window() { return *menu.window(); }

    QTemporaryDir dir;
    QString directory;
    HtmlCodec codec;
    WidgetHost host{codec};
    ScriptedMessageService messages;
    ScriptedDialogs dialogs;
    ExerciseMenu menu{host.session, host.controller, host, messages, dialogs, dir.path()};
};

TEST_F(ExerciseWindowTest, CoversTheWorkbenchAndStartsInTheProgramDirectory)
{
    EXPECT_EQ(window().objectName(), QStringLiteral("Fichexo"));
    EXPECT_EQ(window().windowTitle(), host.workbench.windowTitle());
    EXPECT_EQ(window().geometry(), host.workbench.geometry());
    EXPECT_EQ(window().lists()->directory(), dir.path());
    EXPECT_TRUE(window().fichierexo()->text().isEmpty());
    EXPECT_TRUE(window().titratexo()->text().isEmpty());
    // Both spellings of the extension are listed.
    QStringList files;
    for (int i = 0; i < window().lists()->fileList()->count(); ++i)
        files << window().lists()->fileList()->item(i)->text();
    EXPECT_EQ(files, (QStringList{QStringLiteral("a.E12"), QStringLiteral("b.e12")}));
    EXPECT_FALSE(window().isVisible());
}

TEST_F(ExerciseWindowTest, ComingToTheFrontPreviewsTheFirstFile)
{
    window().show();
    EXPECT_EQ(window().fichierexo()->text(), directory + QStringLiteral("a.E12"));
    EXPECT_EQ(menu.commands().exerciseDirectory(), directory);
    EXPECT_EQ(window().titratexo()->text(), QStringLiteral("Exercice A"));
    EXPECT_EQ(window().Text1()->toPlainText(), QStringLiteral("pH dilution"));
    EXPECT_EQ(window().correctedLabel()->text(), QStringLiteral("Exercice corrigé"));
    EXPECT_EQ(window().correctedShadow()->text(), QStringLiteral("Exercice corrigé"));
    EXPECT_EQ(window().correctedShadow()->pos(), window().correctedLabel()->pos() + QPoint(2, 2));
    EXPECT_FALSE(window().intratro()->isVisible());
    EXPECT_TRUE(window().ouvreur()->isVisible());
    EXPECT_TRUE(window().markLit(0));
    EXPECT_TRUE(window().markLit(1));
    EXPECT_FALSE(window().markLit(2));
    EXPECT_TRUE(window().mark(2)->isVisible());
}

TEST_F(ExerciseWindowTest, UncorrectedExerciseWithBlankDifficulty)
{
    window().show();
    window().File1_Click(QStringLiteral("b.e12"));
    EXPECT_EQ(window().correctedLabel()->text(), QStringLiteral("Non corrigé"));
    EXPECT_EQ(window().titratexo()->text(), QStringLiteral("Exercice B"));
    EXPECT_TRUE(window().Text1()->toPlainText().isEmpty());
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(window().mark(i)->isVisible());
        EXPECT_FALSE(window().markLit(i));
    }
}

TEST_F(ExerciseWindowTest, MissingStatementKeepsTheWindowOpen)
{
    window().show();
    window().File1_Click(QStringLiteral("b.e12"));
    window().ouvreur_Click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Le fichier ") + directory +
                                          QStringLiteral("absent.html est introuvable"));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Fichier absent"));
    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(window().Frame2()->isVisible());
    EXPECT_TRUE(host.session.fileName().isEmpty());
    EXPECT_EQ(host.session.document().toPlainText(), QStringLiteral("Bienvenue"));
}

// The bench refuses the statement's preparation: the student reads the statement on the
// workbench, the exercise window gone, before the refusal.
TEST_F(ExerciseWindowTest, StatementIsShownBeforeTheBenchRefusesItsPreparation)
{
    const std::optional<ConfigurationValues> refused =
        configurationFor({3, qint16(SamplingTool::Balance), 51.30, 0.0, 25}, nullptr);
    ASSERT_TRUE(refused &&
                ConfigurationFile::write(directory + QStringLiteral("refuse.C05"), *refused));
    writeExerciseFile(directory + QStringLiteral("c.E12"),
                      {QStringLiteral("a.html"), QStringLiteral("refuse.C05"), QString(), QString(),
                       QString(), QString(), QString(), QString(), QString(), QString(),
                       QStringLiteral("Exercice C")});
    ExerciseWindow* shown = &window();
    shown->show();
    shown->File1_Click(QStringLiteral("c.E12"));
    QStringList seen;
    host.benchMessages.onShow = [&](const Message& message) {
        seen << QStringLiteral("%1 %2 : %3")
                    .arg(QString::fromUtf8(shown->isVisible() ? "fenêtre" : "paillasse"),
                         host.text(), message.text);
    };
    shown->ouvreur_Click();
    EXPECT_EQ(seen,
              QStringList{QStringLiteral("paillasse Énoncé A : ") + texts::solubilityRefusal});
}

TEST_F(ExerciseWindowTest, ChangingDirectoryKeepsThePreviewedFile)
{
    window().show();
    QTemporaryDir empty;
    window().lists()->setDirectory(empty.path());
    EXPECT_EQ(window().lists()->fileList()->count(), 0);
    EXPECT_EQ(window().fichierexo()->text(), directory + QStringLiteral("a.E12"));
    window().ouvreur_Click();
    EXPECT_EQ(host.session.fileName(), directory + QStringLiteral("a.E12"));
    EXPECT_EQ(host.session.document().toPlainText(), QStringLiteral("Énoncé A"));
    EXPECT_FALSE(window().isVisible());
}

TEST_F(ExerciseWindowTest, UnreadableFileShowsTheReadMessage)
{
    window().show();
    QFile::remove(directory + QStringLiteral("b.e12"));
    window().File1_Click(QStringLiteral("b.e12"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Lecture impossible"));
}

TEST_F(ExerciseWindowTest, MenuEntriesInOrder)
{
    QStringList entries;
    for (QAction* action : menu.menu()->actions())
        entries << (action->isSeparator()
                        ? QStringLiteral("-")
                        : action->objectName() + QLatin1Char(':') + action->text());
    EXPECT_EQ(
        entries,
        (QStringList{QStringLiteral("openexo:Ouvrir un exercice (énoncé + configuration)"),
                     QStringLiteral("opencor:Voir la correction"),
                     QStringLiteral("comparecor:Comparer ma préparation au corrigé"),
                     QStringLiteral("retourprep:Revenir à ma préparation"), QStringLiteral("-"),
                     QStringLiteral("savetexte:Enregistrer le contenu de la fenêtre exercice"),
                     QStringLiteral("opentexte:Retrouver un texte"),
                     QStringLiteral("imprimetexte:Imprimer le contenu de la fenêtre exercice"),
                     QStringLiteral("-"), QStringLiteral("Closexo:Fermer l'exercice"),
                     QStringLiteral("-"), QStringLiteral("compterendu:Compte rendu"),
                     QStringLiteral("classtable:Corriger les préparations d'une classe")}));
    EXPECT_EQ(menu.menu()->parent(), menu.window());
}

TEST_F(ExerciseWindowTest, MenuStatesFollowTheTextShown)
{
    // c has a correction configuration but no correction text; a has only the text.
    writeExerciseFile(
        directory + QStringLiteral("c.E12"),
        {QStringLiteral("a.html"), QString(), QString(), QStringLiteral("c-corrige.C05")});
    const auto states = [&] {
        menu.updateEntries();
        return QList<bool>{menu.entry("opencor")->isEnabled(),
                           menu.entry("comparecor")->isEnabled(),
                           menu.entry("Closexo")->isEnabled()};
    };
    EXPECT_EQ(states(), (QList<bool>{false, false, false}));
    EXPECT_TRUE(menu.entry("savetexte")->isEnabled());

    menu.commands().setExerciseDirectory(directory);
    ASSERT_TRUE(menu.commands().openExercise(directory + QStringLiteral("a.E12"), false));
    EXPECT_EQ(states(), (QList<bool>{false, false, true}));
    ASSERT_TRUE(menu.commands().openExercise(directory + QStringLiteral("a.E12"), true));
    EXPECT_EQ(states(), (QList<bool>{true, false, true}));
    ASSERT_TRUE(menu.commands().openExercise(directory + QStringLiteral("c.E12"), true));
    EXPECT_EQ(states(), (QList<bool>{true, true, true}));

    menu.popUp();
    EXPECT_TRUE(menu.menu()->isVisible());
    menu.menu()->hide();

    dialogs.openPath = directory + QStringLiteral("a.html");
    menu.entry("opentexte")->trigger();
    EXPECT_EQ(states(), (QList<bool>{false, false, true}));
    ASSERT_TRUE(menu.commands().openExercise(directory + QStringLiteral("c.E12"), true));
    menu.entry("Closexo")->trigger();
    EXPECT_EQ(states(), (QList<bool>{false, false, false}));
}

TEST_F(ExerciseWindowTest, OpeningThroughTheMenuThenClosingTheExercise)
{
    QObject context;
    QObject::connect(&menu, &ExerciseMenu::exerciseWindowShown, &context,
                     [](ExerciseWindow* shown) {
                         QTimer::singleShot(0, shown, [shown] { shown->ouvreur_Click(); });
                     });
    menu.entry("openexo")->trigger();
    EXPECT_EQ(host.session.fileName(), directory + QStringLiteral("a.E12"));
    EXPECT_TRUE(menu.commands().session().correctionAvailable());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(menu.hasWindow());

    // The next menu comes with a new window, back in the program's directory.
    host.type(QStringLiteral("ma réponse"));
    messages.answers = {MessageAnswer::Cancel};
    menu.entry("Closexo")->trigger();
    EXPECT_EQ(host.session.fileName(), directory + QStringLiteral("a.E12"));
    menu.entry("Closexo")->trigger();
    EXPECT_TRUE(host.session.fileName().isEmpty());
    EXPECT_EQ(host.welcomeShown, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(menu.hasWindow());
}

TEST_F(ExerciseWindowTest, ClosingTheWindowLoadsNothing)
{
    QObject context;
    QObject::connect(&menu, &ExerciseMenu::exerciseWindowShown, &context,
                     [](ExerciseWindow* shown) {
                         QTimer::singleShot(0, shown, [shown] { emit shown->Image5()->clicked(); });
                     });
    menu.entry("openexo")->trigger();
    EXPECT_TRUE(host.session.fileName().isEmpty());
    EXPECT_EQ(host.session.document().toPlainText(), QStringLiteral("Bienvenue"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(menu.hasWindow());
}

TEST(ExerciseHeading, FadesFromPaleYellowToWhiteRoundingHalvesToEven)
{
    const QList<QColor> heading = headingColours(18);
    ASSERT_EQ(heading.size(), 18);
    EXPECT_EQ(heading.first(), QColor(255, 255, 161)); // 155 + 5.56
    EXPECT_EQ(heading[8], QColor(255, 255, 205));
    EXPECT_EQ(heading.last(), QColor(255, 255, 255));
    const QList<QColor> eight = headingColours(8);
    EXPECT_EQ(eight[0].blue(), 168); // 167.5
    EXPECT_EQ(eight[2].blue(), 192); // 192.5
}

} // namespace
