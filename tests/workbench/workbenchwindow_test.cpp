#include "configurations/configurationtexts.h"
#include "exercises/exercisecommands.h"
#include "exercises/exercisemenu.h"
#include "exercises/exercisesession.h"
#include "exercises/exercisesource.h"
#include "exercises/exercisetexts.h"
#include "protocol/benchmodel.h"
#include "scriptedmessageservice.h"
#include "sourcetree.h"
#include "ui/picturebutton.h"
#include "workbench/etiquettewidget.h"
#include "workbench/placardwidget.h"
#include "workbench/windowgeometry.h"
#include "workbench/workbenchwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace dosarium;

namespace {

struct Workbench {
    QTemporaryDir dir;
    ScriptedMessageService messages;
    WorkbenchWindow window{messages, dir.path()};
};

QByteArray markerRecord(const QString& dir)
{
    QFile file(dir + "/TEMPO.SPC");
    if (!file.open(QIODevice::ReadOnly) || !file.seek(2048))
        return {};
    return file.read(5);
}

// 5 mL of sodium hydroxide with the graduated pipette, made up to 100 mL.
void measureSodaWithTheGraduatedPipette(BenchModel& bench)
{
    bench.liquide_MouseMove(5);
    bench.liquide_Click(5);
    bench.pipgrad_Click();
    bench.validprel_Click();
    bench.setUpDown1Position(2);
    bench.validvol_Click();
}

} // namespace

TEST(WorkbenchWindow, StartUpMarksOpenAndShowsTheDefaultHint)
{
    Workbench w;
    w.window.load();
    EXPECT_EQ(markerRecord(w.dir.path()), QByteArray("\x03\x00OUI", 5));
    EXPECT_EQ(w.window.windowTitle(), QStringLiteral("Dosarium"));
    EXPECT_EQ(w.window.hint(),
              QStringLiteral("Vous pouvez modifier les paramètres,\r\nouvrir une configuration ou "
                             "un exercice"));
    EXPECT_EQ(w.window.etiquette()->reagentName(), QStringLiteral("Ethanol absolu"));
    EXPECT_EQ(w.window.etiquette()->kindText(), QStringLiteral("Liquide pur"));
    EXPECT_EQ(w.window.etiquette()->visibleHazard(), Hazard::Flammable);
    EXPECT_EQ(w.window.etiquette()->reagentIndex(), 0);
    EXPECT_TRUE(w.window.supertext()->isReadOnly());
    EXPECT_TRUE(w.window.supertext()->toPlainText().startsWith("Dosarium\n"));
    EXPECT_EQ(w.window.placard()->grab().toImage().pixelColor(0, 0), QColor(255, 200, 155));
}

// Every pictogram of the bottle is drawn and named for a screen reader, which also reads the
// label's lines, the masse volumique and the concentration en masse among them.
TEST(WorkbenchWindow, LabelsShowAndNameEveryPictogramOfTheirBottle)
{
    Workbench w;
    w.window.load();
    const EtiquetteWidget& label = *w.window.etiquette();
    const auto shownPictures = [&] {
        QStringList names;
        for (const QLabel* picture : label.findChildren<QLabel*>())
            if (picture->isVisibleTo(&label) && !picture->pixmap().isNull())
                names << picture->accessibleName();
        return names;
    };
    const QStringList expected[] = {
        {"Danger : inflammable"},
        {"Danger : inflammable", "Danger : nocif ou irritant"},
        {"Danger : corrosif", "Danger : inflammable"},
        {},
        {},
        {"Danger : corrosif"},
        {"Danger : nocif ou irritant", "Danger : grave pour la santé",
         "Danger : toxique pour le milieu aquatique"},
        {"Danger : nocif ou irritant", "Danger : toxique pour le milieu aquatique"},
        {"Danger : corrosif", "Danger : nocif ou irritant"},
    };
    for (int i : {8, 6, 0, 1, 2, 3, 4, 5, 7}) {
        w.window.bench().liquide_MouseMove(i);
        EXPECT_EQ(shownPictures(), expected[i]) << i;
    }
    w.window.bench().liquide_MouseMove(5);
    EXPECT_TRUE(label.accessibleDescription().endsWith(
        QStringLiteral("\nConcentration : C = 6,0 mol.L-1\nConcentration en masse : Cm = 240 g · "
                       "L-1")));
    w.window.bench().liquide_MouseMove(0);
    EXPECT_EQ(label.accessibleDescription(),
              QStringLiteral("Formule brute : C2H6O\nMasse molaire : M = 46,0 g.mol-1\nDensité par "
                             "rapport à l'eau : d = 0,789\nMasse volumique : ρ = 0,789 g · mL-1"));
}

TEST(WorkbenchWindow, GradientsFillEveryPixelOfTheirLines)
{
    Workbench w;
    w.window.load();
    // The bottles stand clear of the cupboard's left and right edges.
    const QImage cupboard = w.window.placard()->grab().toImage();
    for (int y = 0; y < cupboard.height(); y += 7) {
        const QColor expected = WindowGeometry::cupboardLine(y, cupboard.height());
        EXPECT_EQ(cupboard.pixelColor(0, y), expected) << y;
        EXPECT_EQ(cupboard.pixelColor(cupboard.width() - 1, y), expected) << y;
    }
    // The window's background shows between the command bar and the cupboard, and right of it.
    const QImage window = w.window.grab().toImage();
    EXPECT_EQ(window.pixelColor(5, 44), WindowGeometry::backgroundLine(44));
    EXPECT_EQ(window.pixelColor(795, 300), WindowGeometry::backgroundLine(300));
    EXPECT_EQ(window.pixelColor(799, 599), WindowGeometry::backgroundLine(599));
}

TEST(WorkbenchWindow, CommandBarCaptionsAndStartingStates)
{
    Workbench w;
    const QStringList captions = {"&Nouveau",      "Ann&uler",       "&Ouvrir", "&Enregistrer",
                                  "&Calculatrice", "&Voir le cours", "&Aide",   "&Fermer"};
    const char* names[] = {"command3", "Command4", "Command2", "Command11",
                           "Command8", "Command9", "Command7", "Command1"};
    int previousRight = -1;
    for (int i = 0; i < 8; ++i) {
        QPushButton* button = w.window.commandButton(names[i]);
        ASSERT_NE(button, nullptr) << names[i];
        EXPECT_EQ(button->text(), captions[i]);
        EXPECT_FALSE(button->toolTip().isEmpty());
        EXPECT_EQ(button->y(), 0);
        EXPECT_EQ(button->height(), 41);
        EXPECT_GT(button->x(), previousRight - 2) << names[i];
        previousRight = button->geometry().right();
        const bool startsEnabled =
            QString(names[i]) != "Command4" && QString(names[i]) != "Command11";
        EXPECT_EQ(button->isEnabled(), startsEnabled) << names[i];
    }
    const auto* exercises = w.window.findChild<PictureButton*>(QStringLiteral("BTEXO"));
    ASSERT_NE(exercises, nullptr);
    EXPECT_EQ(exercises->toolTip(), QStringLiteral("Exercices"));
}

TEST(WorkbenchWindow, NarrowScreenRulePinsOnlyNarrowScreens)
{
    Workbench w;
    w.window.resize(640, 480);
    w.window.move(5, 5);
    w.window.applyNarrowScreenRule(QSize(1024, 768));
    EXPECT_EQ(w.window.size(), QSize(640, 480));
    EXPECT_EQ(w.window.pos(), QPoint(5, 5));

    w.window.applyNarrowScreenRule(QSize(800, 600));
    EXPECT_EQ(w.window.size(), QSize(800, 600));
    EXPECT_EQ(w.window.pos(), QPoint(0, 0));
    EXPECT_EQ(w.window.windowState(), Qt::WindowNoState);
}

TEST(WorkbenchWindow, EditsAreTrackedOnlyWhileAnExerciseIsShown)
{
    Workbench w;
    w.window.load();
    w.window.supertext()->setPlainText("modifié");
    EXPECT_FALSE(w.window.exerciseSession().isModified());

    const QString longName = "/home/eleve/exercices/un-nom-de-fichier-très-long-pour-le-test.E12";
    w.window.fich()->setText(longName);
    EXPECT_EQ(w.window.fich()->cursorPosition(), longName.size());
    w.window.supertext()->setPlainText("modifié encore");
    EXPECT_TRUE(w.window.exerciseSession().isModified());
}

TEST(WorkbenchWindow, CloseWithoutEditedTextAsksOnlyToClose)
{
    Workbench w;
    w.window.load();
    w.window.show();
    w.messages.answers = {MessageAnswer::Cancel};
    w.window.close();
    EXPECT_TRUE(w.window.isVisible());
    ASSERT_EQ(w.messages.shown.size(), 1);
    EXPECT_EQ(w.messages.shown[0].text, QStringLiteral("Fermer Dosarium ?"));
}

TEST(WorkbenchWindow, RefusedCloseKeepsTheWindowAndTheMarker)
{
    Workbench w;
    w.window.load();
    w.window.show();
    w.window.exerciseSession().setModified(true);
    bool unloaded = false;
    QObject::connect(&w.window, &WorkbenchWindow::unloaded, [&] { unloaded = true; });

    w.messages.answers = {MessageAnswer::Ok, MessageAnswer::Cancel};
    w.window.commandButton("Command1")->click();
    EXPECT_TRUE(w.window.isVisible());
    EXPECT_FALSE(unloaded);
    EXPECT_TRUE(w.window.exerciseSession().isModified());
    EXPECT_EQ(markerRecord(w.dir.path()), QByteArray("\x03\x00OUI", 5));

    w.messages.answers = {MessageAnswer::Ok, MessageAnswer::Ok};
    w.window.close();
    EXPECT_FALSE(w.window.isVisible());
    EXPECT_TRUE(unloaded);
    EXPECT_EQ(markerRecord(w.dir.path()), QByteArray("\x03\x00NON", 5));
    ASSERT_EQ(w.messages.shown.size(), 4);
    EXPECT_EQ(w.messages.shown[0].text,
              QStringLiteral("Attention: perte des modifications du texte."));
    EXPECT_EQ(w.messages.shown[0].title, QStringLiteral("Abandon des données?"));
    EXPECT_EQ(w.messages.shown[1].text, QStringLiteral("Fermer Dosarium ?"));
}

TEST(WorkbenchWindow, HoverHintsStayUntilAnotherControlReplacesThem)
{
    Workbench w;
    w.window.load();
    QPushButton* help = w.window.commandButton("Command7");
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(help, &enter);
    EXPECT_EQ(w.window.hint(),
              QStringLiteral("Si vous rencontrez une difficulté avec cette application"));

    // The file-name box has no hint of its own: the last one stays.
    QCoreApplication::sendEvent(w.window.fich(), &enter);
    EXPECT_EQ(w.window.hint(),
              QStringLiteral("Si vous rencontrez une difficulté avec cette application"));

    QCoreApplication::sendEvent(w.window.exerciseButton(), &enter);
    EXPECT_TRUE(w.window.hint().startsWith(QStringLiteral("Ouvrir un énoncé d'exercice")));

    const QPointF background(300, 580);
    QMouseEvent move(QEvent::MouseMove, background, w.window.mapToGlobal(background), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w.window, &move);
    EXPECT_TRUE(w.window.hint().startsWith(QStringLiteral("Vous pouvez modifier les paramètres,")));
}

TEST(WorkbenchWindow, NewPreparationAndUndoButtonsDriveTheBench)
{
    Workbench w;
    w.window.load();
    w.window.bench().liquide_MouseMove(3);
    w.window.bench().liquide_Click(3);
    EXPECT_EQ(w.window.bench().state().protocolStep, ProtocolStep::Sampling);
    QPushButton* undo = w.window.commandButton("Command4");
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(w.window.etiquette()->reagentName(), QStringLiteral("Saccharose"));

    w.window.commandButton("command3")->click();
    EXPECT_EQ(w.window.bench().state().protocolStep, ProtocolStep::NoPreparation);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(w.window.windowTitle(), QStringLiteral("Dosarium"));
}

TEST(WorkbenchWindow, NumbersTakeTheFrenchCommaWhateverTheSystemLocale)
{
    const QLocale system;
    QLocale::setDefault(QLocale::c());
    Workbench w;
    w.window.load();
    BenchModel& bench = w.window.bench();
    measureSodaWithTheGraduatedPipette(bench);
    QLocale::setDefault(system);
    EXPECT_EQ(bench.widget(bench::Labelprel).caption, QStringLiteral("5,0 mL"));
    const QString result = bench.resultDocument().toPlainText();
    EXPECT_TRUE(result.contains(QStringLiteral("\nC = 3,00 · 10-1 mol · L-1\n")))
        << result.toStdString();
    EXPECT_TRUE(result.endsWith(QStringLiteral(" : 2,2 %"))) << result.toStdString();
    // The lines after the result stand in their own box, shown with it.
    const QTextEdit& writing = *w.window.resultWriting();
    EXPECT_TRUE(writing.isVisibleTo(&w.window));
    EXPECT_TRUE(writing.toPlainText().contains(QStringLiteral("Cm = (12,0 ± 0,3) g · L-1")))
        << writing.toPlainText().toStdString();
}

namespace {

// Everything of the workbench a comparison must leave alone, files included.
struct WorkbenchSnapshot {
    PreparationState state;
    QStringList visibleWidgets;
    QString result;
    QString caption;
    QString title;
    QString text;
    bool readOnly = false;
    QString fich;
    QString configPath;
    QStringList files;

    bool operator==(const WorkbenchSnapshot&) const = default;
};

QStringList filesUnder(const QString& directory)
{
    QStringList files;
    QDirIterator it(directory, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        QFile file(info.filePath());
        file.open(QIODevice::ReadOnly);
        files << info.filePath() + QLatin1Char(' ') +
                     info.lastModified().toString(Qt::ISODateWithMs) + QLatin1Char(' ') +
                     QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex();
    }
    files.sort();
    return files;
}

WorkbenchSnapshot snapshot(Workbench& w, const QString& exerciseDirectory)
{
    const BenchModel& bench = w.window.bench();
    return {bench.state(),
            bench.visibleWidgets(),
            bench.resultDocument().toHtml(),
            bench.windowCaption(),
            w.window.windowTitle(),
            w.window.supertext()->toHtml(),
            w.window.supertext()->isReadOnly(),
            w.window.fich()->text(),
            w.window.configurations().configPath(),
            filesUnder(w.dir.path()) + filesUnder(exerciseDirectory)};
}

} // namespace

TEST(WorkbenchWindow, ComparingWithTheCorrectionLeavesTheWorkbenchAsItWas)
{
    Workbench w;
    w.window.load();
    const SourceReading reading = ExerciseSourceReader::read(
        test::sourceRoot() + QStringLiteral("/exercises-data/06-soude-choix-verrerie"));
    ASSERT_TRUE(reading.source);
    QTemporaryDir exercises;
    ASSERT_TRUE(ExerciseWriter::write(*reading.source, exercises.path(), nullptr));
    ExerciseMenu& menu = w.window.exercises();
    menu.updateEntries();
    EXPECT_FALSE(menu.entry("comparecor")->isEnabled());
    menu.commands().setExerciseDirectory(exercises.path());
    ASSERT_TRUE(
        menu.commands().openExercise(exercises.filePath(reading.source->exerciseFileName()), true));
    menu.updateEntries();
    EXPECT_TRUE(menu.entry("comparecor")->isEnabled());

    BenchModel& bench = w.window.bench();
    measureSodaWithTheGraduatedPipette(bench);
    ASSERT_TRUE(bench.isSaveEnabled());
    w.window.supertext()->textCursor().insertText(QStringLiteral("Ma réponse : "));
    const WorkbenchSnapshot before = snapshot(w, exercises.path());
    w.messages.shown.clear();

    menu.entry("comparecor")->trigger();
    ASSERT_EQ(w.messages.shown.size(), 1);
    EXPECT_EQ(w.messages.shown[0].title, ExerciseTexts::compareTitle);
    EXPECT_EQ(w.messages.shown[0].icon, MessageIcon::Information);
    EXPECT_TRUE(w.messages.shown[0].text.contains(configurationtexts::compareSame));
    EXPECT_EQ(snapshot(w, exercises.path()), before);
    EXPECT_TRUE(w.window.exerciseSession().isModified());
}
