#include "configurations/configurationcontroller.h"
#include "configurations/configurationtexts.h"
#include "configurations/locationlists.h"
#include "configurations/openconfigurationwindow.h"
#include "configurations/saveconfigurationwindow.h"
#include "preparations.h"
#include "protocol/benchmodel.h"
#include "recordfiles.h"
#include "scriptedmessageservice.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

using namespace dosarium;
using test::readBytes;
namespace texts = configurationtexts;

namespace {

class ConfigurationWindowsTest : public ::testing::Test {
  protected:
    QTemporaryDir drive;
    QString home;
    ScriptedMessageService messages;
    BenchModel model{messages, QLocale(QLocale::French, QLocale::France)};
    ConfigurationController controller{model, messages};
    QWidget workbench;
    QString previousDirectory = QDir::currentPath();

    void SetUp() override
    {
        home = QDir(drive.path()).filePath("tp");
        ASSERT_TRUE(QDir().mkpath(home + "/seance2"));
        workbench.setGeometry(100, 50, 800, 600);
        test::aceticAcidWithTheVolumetricPipette.play(model);
    }
    void TearDown() override { QDir::setCurrent(previousDirectory); }

    QList<Drive> drives() const { return {{"tp", drive.path()}}; }

    QString saveFile(const QString& name)
    {
        const QString path = QDir(home).filePath(name);
        EXPECT_TRUE(controller.write(path));
        return path;
    }

    QListWidgetItem* fileItem(QListWidget* list, const QString& name)
    {
        const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }
};

} // namespace

TEST_F(ConfigurationWindowsTest, SaveWindowOpensBesideTheWorkbenchWithTheLastPath)
{
    controller.setConfigPath("/home/eleve/acide.C05");
    SaveConfigurationWindow window(controller, messages, &workbench, {drives(), home});
    EXPECT_EQ(window.objectName(), "enregistrer");
    EXPECT_EQ(window.windowTitle(), texts::saveWindowCaption);
    EXPECT_TRUE(window.isModal());
    EXPECT_EQ(window.pos(), workbench.frameGeometry().topLeft() + QPoint(20, 20));
    EXPECT_EQ(window.nameBox()->text(), "/home/eleve/acide.C05");
    EXPECT_NE(window.findChild<QPushButton*>("Command1"), nullptr);
    EXPECT_EQ(window.findChild<QPushButton*>("Command1")->text(), texts::saveButton);
    EXPECT_EQ(window.findChild<QPushButton*>("Command2")->text(), texts::cancelButton);
    EXPECT_NE(window.findChild<QComboBox*>("Drive1"), nullptr);
    EXPECT_NE(window.findChild<QListWidget*>("Dir1"), nullptr);
    EXPECT_NE(window.findChild<QListWidget*>("File1"), nullptr);
}

TEST_F(ConfigurationWindowsTest, ABareNameIsSavedInTheChosenDirectory)
{
    SaveConfigurationWindow window(controller, messages, &workbench, {drives(), home});
    window.lists()->setDirectory(home + "/seance2");
    window.nameBox()->setText("  essai.txt ");
    QTest::keyClick(window.nameBox(), Qt::Key_Return);
    const QString path = home + "/seance2/essai.C05";
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(readBytes(path).size(), 9 * 128);
    EXPECT_EQ(controller.configPath(), path);
    EXPECT_EQ(model.windowCaption(), "Dosarium - " + path);
    EXPECT_EQ(QDir::currentPath(), home + "/seance2");
}

TEST_F(ConfigurationWindowsTest, NamesWithoutAFileNameAreRefused)
{
    SaveConfigurationWindow window(controller, messages, &workbench, {drives(), home});
    for (const char* typed : {"", "   ", ".C05", " .c05.txt"}) {
        messages.shown.clear();
        window.nameBox()->setText(typed);
        window.saveCommand();
        ASSERT_EQ(messages.shown.size(), 1) << typed;
        EXPECT_EQ(messages.shown[0].text, texts::nameMissing);
        EXPECT_EQ(messages.shown[0].title, texts::saveImpossibleTitle);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    }
    EXPECT_NE(window.result(), QDialog::Accepted);
    EXPECT_TRUE(QDir(home).entryList(QDir::Files).isEmpty());
}

TEST_F(ConfigurationWindowsTest, ATypedPathIgnoresTheDirectoryListAndKeepsItsDots)
{
    const QString other = QDir(drive.path()).filePath("jean.dupont");
    ASSERT_TRUE(QDir().mkpath(other));
    SaveConfigurationWindow window(controller, messages, &workbench, {drives(), home});
    window.nameBox()->setText(other + "/essai.C05");
    window.saveCommand();
    EXPECT_TRUE(QFile::exists(other + "/essai.C05"));
    EXPECT_FALSE(QFile::exists(QDir(drive.path()).filePath("jean.C05")));
}

TEST_F(ConfigurationWindowsTest, OverwritingAsksAndNoKeepsTheOldFile)
{
    const QString path = saveFile("acide.C05");
    QFile::resize(path, 10);
    SaveConfigurationWindow window(controller, messages, &workbench, {drives(), home});
    window.nameBox()->setText("acide");
    messages.answers = {MessageAnswer::No};
    window.saveCommand();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, texts::overwriteQuestion);
    EXPECT_EQ(messages.shown[0].title, texts::overwriteTitle);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(readBytes(path).size(), 10);
    EXPECT_EQ(window.nameBox()->text(), path);
    EXPECT_NE(window.result(), QDialog::Accepted);

    messages.answers = {MessageAnswer::Yes};
    window.saveCommand();
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[1].text, texts::overwriteQuestion);
    EXPECT_EQ(readBytes(path).size(), 9 * 128);
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(ConfigurationWindowsTest, DoubleClickOnASavedFileAsksToOverwriteIt)
{
    const QString path = saveFile("acide.C05");
    SaveConfigurationWindow window(controller, messages, &workbench, {drives(), home});
    window.nameBox()->setText("autre");
    QListWidget* files = window.lists()->fileList();
    QListWidgetItem* item = fileItem(files, "acide.C05");
    ASSERT_NE(item, nullptr);
    files->setCurrentItem(item);
    emit files->itemClicked(item);
    EXPECT_EQ(window.nameBox()->text(), "autre") << "a single click only selects";
    messages.answers = {MessageAnswer::No};
    emit files->itemDoubleClicked(item);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, texts::overwriteQuestion);
    EXPECT_EQ(window.nameBox()->text(), path);
}

TEST_F(ConfigurationWindowsTest, ALongNameFitsTheListAndShowsWholeInItsTooltip)
{
    const QString name = QStringLiteral("préparation de la solution de glucose du TP numéro 1.C05");
    saveFile(name);
    SaveConfigurationWindow window(controller, messages, &workbench, {drives(), home});
    window.show();
    QListWidget* files = window.lists()->fileList();
    QListWidgetItem* item = fileItem(files, name);
    ASSERT_NE(item, nullptr);
    EXPECT_LE(files->visualItemRect(item).right(), files->viewport()->width() - 1);
    EXPECT_EQ(item->toolTip(), name);
}

TEST_F(ConfigurationWindowsTest, AnotherDirectoryKeepsOnlyTheFileNameOfThePath)
{
    controller.setConfigPath(home + "/acide.C05");
    SaveConfigurationWindow window(controller, messages, &workbench, {drives(), home});
    QListWidget* directories = window.lists()->directoryList();
    const QList<QListWidgetItem*> rows = directories->findItems("seance2", Qt::MatchEndsWith);
    ASSERT_EQ(rows.size(), 1);
    emit directories->itemDoubleClicked(rows.first());
    EXPECT_EQ(window.lists()->directory(), home + "/seance2");
    EXPECT_EQ(window.nameBox()->text(), "acide.C05");
    window.saveCommand();
    EXPECT_TRUE(QFile::exists(home + "/seance2/acide.C05"));
}

TEST_F(ConfigurationWindowsTest, AFailedSaveKeepsTheWindowOpen)
{
    SaveConfigurationWindow window(controller, messages, &workbench, {drives(), home});
    const QString missing = QDir(drive.path()).filePath("absent/essai");
    window.nameBox()->setText(missing);
    window.saveCommand();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, texts::writeFailure);
    EXPECT_EQ(messages.shown[0].title, texts::saveImpossibleTitle);
    EXPECT_NE(window.result(), QDialog::Accepted);
    EXPECT_EQ(window.nameBox()->text(), missing + ".C05");
    EXPECT_EQ(controller.configPath(), missing + ".C05");
    EXPECT_EQ(model.windowCaption(), "Dosarium");
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ConfigurationWindowsTest, TheListsFollowTheKeyboard)
{
    SaveConfigurationWindow window(controller, messages, &workbench, {drives(), home});
    QListWidget* directories = window.lists()->directoryList();
    const QList<QListWidgetItem*> rows = directories->findItems("seance2", Qt::MatchEndsWith);
    ASSERT_EQ(rows.size(), 1);
    directories->setCurrentItem(rows.first());
    QTest::keyClick(directories, Qt::Key_Return);
    EXPECT_EQ(window.lists()->directory(), home + "/seance2");
    directories->setCurrentRow(0);
    QTest::keyClick(directories, Qt::Key_Enter);
    EXPECT_EQ(window.lists()->directory(), QDir::cleanPath(drive.path()));
}

TEST_F(ConfigurationWindowsTest, OpenWindowOpensBesideTheWorkbench)
{
    OpenConfigurationWindow window(controller, messages, &workbench, {drives(), home});
    EXPECT_EQ(window.objectName(), "ouvrir");
    EXPECT_EQ(window.windowTitle(), texts::openWindowCaption);
    EXPECT_EQ(window.pos(), workbench.frameGeometry().topLeft() + QPoint(20, 20));
    EXPECT_TRUE(window.pathBox()->text().isEmpty());
    EXPECT_EQ(window.pathBox()->objectName(), "ficharge");
    EXPECT_EQ(window.notice()->objectName(), "Frame1");
    EXPECT_TRUE(window.notice()->isHidden());
    EXPECT_EQ(window.findChild<QPushButton*>("Command1")->text(), texts::openButton);
}

TEST_F(ConfigurationWindowsTest, AnEmptyPathDoesNothing)
{
    OpenConfigurationWindow window(controller, messages, &workbench, {drives(), home});
    window.pathBox()->setText("   ");
    window.openCommand();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(model.state().protocolStep, ProtocolStep::Prepared);
    EXPECT_NE(window.result(), QDialog::Accepted);
}

TEST_F(ConfigurationWindowsTest, APathNamingNoFileKeepsTheWindowOpen)
{
    OpenConfigurationWindow window(controller, messages, &workbench, {drives(), home});
    for (const QString& typed : {home + "/absent.C05", home}) {
        messages.shown.clear();
        window.pathBox()->setText(typed);
        window.openCommand();
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.shown[0].text, texts::noSuchFile);
        EXPECT_EQ(messages.shown[0].title, texts::noSuchFileTitle);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    }
    EXPECT_EQ(model.state().protocolStep, ProtocolStep::Prepared);
    EXPECT_NE(window.result(), QDialog::Accepted);
    EXPECT_FALSE(QFile::exists(home + "/absent.C05"));
}

TEST_F(ConfigurationWindowsTest, ClickingAFileFillsThePathAndDoubleClickLoadsIt)
{
    const QString path = saveFile("acide.C05");
    model.Command3_Click();
    ASSERT_EQ(model.state().protocolStep, ProtocolStep::NoPreparation);

    OpenConfigurationWindow window(controller, messages, &workbench, {drives(), home});
    window.show();
    QListWidget* files = window.lists()->fileList();
    QListWidgetItem* item = fileItem(files, "acide.C05");
    ASSERT_NE(item, nullptr);
    emit files->itemClicked(item);
    EXPECT_EQ(window.pathBox()->text(), path);
    EXPECT_EQ(QDir::currentPath(), home);

    std::optional<bool> noticeShownAtReset;
    std::optional<bool> hiddenBeforeReplay;
    QObject context;
    QObject::connect(&model, &BenchModel::changed, &context, [&] {
        // The first change is the reset, the first at step 1 the bottle click of the replay.
        if (!noticeShownAtReset)
            noticeShownAtReset = window.isVisible() && window.notice()->isVisible();
        else if (!hiddenBeforeReplay && model.state().protocolStep == ProtocolStep::Sampling)
            hiddenBeforeReplay = !window.isVisible();
    });
    emit files->itemDoubleClicked(item);
    EXPECT_EQ(noticeShownAtReset, true);
    EXPECT_EQ(hiddenBeforeReplay, true);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(model.state().protocolStep, ProtocolStep::Prepared);
    EXPECT_EQ(model.windowCaption(), "Dosarium - " + path);
}

TEST_F(ConfigurationWindowsTest, AnInvalidFileIsReportedAndTheWindowCloses)
{
    const QString path = home + "/vide.C05";
    QFile(path).open(QIODevice::WriteOnly);
    OpenConfigurationWindow window(controller, messages, &workbench, {drives(), home});
    window.pathBox()->setText(path);
    window.openCommand();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, texts::notConfigurationTitle);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(model.state().protocolStep, ProtocolStep::NoPreparation);
    EXPECT_EQ(model.windowCaption(), "Dosarium");
}

TEST_F(ConfigurationWindowsTest, SavingAgainAfterLoadingAsksAboutTheSameFile)
{
    const QString path = saveFile("acide.C05");
    controller.load(path);
    SaveConfigurationWindow window(controller, messages, &workbench, {drives(), home});
    EXPECT_EQ(window.nameBox()->text(), path);
    messages.answers = {MessageAnswer::No};
    window.saveCommand();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, texts::overwriteQuestion);
}
