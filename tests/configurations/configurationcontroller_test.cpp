#include "configurations/configurationcontroller.h"
#include "configurations/configurationtexts.h"
#include "recordingbench.h"
#include "scriptedmessageservice.h"
#include "unprivileged.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dosarium;
using dosarium::test::RecordingBench;

namespace {

QByteArray recordBytes(const QByteArray& text)
{
    QByteArray bytes(128, '\0');
    bytes[0] = char(text.size());
    bytes.replace(2, text.size(), text);
    return bytes;
}

bool writeRecords(const QString& path, const QList<QByteArray>& texts)
{
    QByteArray bytes;
    for (const QByteArray& text : texts)
        bytes += recordBytes(text);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ConfigurationControllerTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    RecordingBench bench;
    ScriptedMessageService messages;
    ConfigurationController controller{bench, messages};

    // A preparation as clicks leave it: acetic acid, volumetric pipette at 10 mL, 200 mL flask.
    void prepareAceticAcid()
    {
        bench.liquide_MouseMove(2);
        bench.liquide_Click(2);
        bench.Label3_Click(1);
        bench.pipjaug_Click();
        bench.setUpDown2Position(3);
        bench.validprel_Click();
        bench.setUpDown1Position(3);
        bench.validvol_Click();
        bench.calls.clear();
    }

    void load(const QString& path)
    {
        controller.setConfigPath(path);
        bench.calls.clear();
        controller.loadConfiguration();
    }

    void expectOnlyMessage(const QString& text, const QString& title)
    {
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.shown[0].text, text);
        EXPECT_EQ(messages.shown[0].title, title);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
        EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
    }
};

} // namespace

TEST_F(ConfigurationControllerTest, SavesTheBenchAsTheExampleFileAndNamesItInTheCaption)
{
    prepareAceticAcid();
    const QString path = dir.filePath("acide.C05");
    controller.setConfigPath(path);
    ASSERT_TRUE(controller.saveConfiguration());
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(bench.caption, "Dosarium - " + path);

    QByteArray expected;
    for (const char* text : {"DOSARIUM", " 2", " 200", " 10", " 3", " 3", " 3", " 0", " 0"})
        expected += recordBytes(text);
    EXPECT_EQ(readBytes(path), expected);
}

TEST_F(ConfigurationControllerTest, SaveThenLoadGivesTheSameBench)
{
    prepareAceticAcid();
    const QString path = dir.filePath("acide.C05");
    controller.setConfigPath(path);
    ASSERT_TRUE(controller.saveConfiguration());
    const ConfigurationValues saved = controller.currentValues();

    RecordingBench fresh;
    ConfigurationController reader(fresh, messages);
    reader.setConfigPath(path);
    reader.loadConfiguration();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(reader.currentValues(), saved);
    EXPECT_EQ(fresh.step, 3);
    EXPECT_TRUE(fresh.resultShown);
    EXPECT_EQ(fresh.caption, "Dosarium - " + path);
    EXPECT_EQ(fresh.calls,
              QStringList({"Nouveau", "hover 2", "bottle 2", "Label3 1", "pipjaug", "UpDown2=3",
                           "validprel", "UpDown1=3", "validvol", "etiquette"}));
}

struct ReplayCase {
    const char* name;
    QList<QByteArray> records;
    QStringList calls; // after "Nouveau", before "etiquette"
};

class ConfigurationReplay : public ConfigurationControllerTest,
                            public ::testing::WithParamInterface<ReplayCase> {};

TEST_P(ConfigurationReplay, ClicksWhatTheStudentClicked)
{
    const QString path = dir.filePath("essai.C05");
    ASSERT_TRUE(writeRecords(path, GetParam().records));
    load(path);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(bench.calls, QStringList{"Nouveau"} + GetParam().calls + QStringList{"etiquette"});
    EXPECT_EQ(bench.caption, "Dosarium - " + path);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ConfigurationReplay,
    testing::Values(
        ReplayCase{
            "LiquidWeighed",
            {"DOSARIUM", " 0", " 100", " 0", " 0", " 2", " 0", " 1578", " 15.78"},
            {"hover 0", "bottle 0", "Label3 0", "HScroll1=1578", "masse", "UpDown1=2", "validvol"}},
        ReplayCase{"LiquidMeasuredWithTheCylinder",
                   {"DOSARIUM", " 0", " 100", " 25", " 2", " 2", " 15", " 0", " 0"},
                   {"hover 0", "bottle 0", "Label3 1", "eprouvette", "UpDown2=15", "validprel",
                    "UpDown1=2", "validvol"}},
        ReplayCase{"SolidChoosesNoMeasure",
                   {"DOSARIUM", " 4", " 250", " 0", " 0", " 4", " 0", " 500", " 5"},
                   {"hover 4", "bottle 4", "HScroll1=500", "masse", "UpDown1=4", "validvol"}},
        ReplayCase{
            "SolutionWithTheGraduatedPipette",
            {"DOSARIUM", " 6", " 50", " 4.5", " 4", " 1", " 35", " 0", " 0"},
            {"hover 6", "bottle 6", "pipgrad", "UpDown2=35", "validprel", "UpDown1=1", "validvol"}},
        ReplayCase{
            "SolutionWithTheVolumetricFlask",
            {"DOSARIUM", " 8", " 1000", " 100", " 1", " 6", " 2", " 0", " 0"},
            {"hover 8", "bottle 8", "fiole", "UpDown2=2", "validprel", "UpDown1=6", "validvol"}},
        // Out of its range a selector keeps its position and the replay goes on.
        ReplayCase{
            "SamplePositionOutOfRange",
            {"DOSARIUM", " 5", " 200", " 10", " 3", " 3", " 9", " 0", " 0"},
            {"hover 5", "bottle 5", "pipjaug", "UpDown2=9", "validprel", "UpDown1=3", "validvol"}},
        ReplayCase{
            "FlaskPositionOutOfRange",
            {"DOSARIUM", " 5", " 200", " 10", " 3", " 7", " 3", " 0", " 0"},
            {"hover 5", "bottle 5", "pipjaug", "UpDown2=3", "validprel", "UpDown1=7", "validvol"}},
        // A mass the slider refuses leaves the balance at 0: no sample, so no flask either.
        ReplayCase{"MassPositionOutOfRange",
                   {"DOSARIUM", " 3", " 200", " 0", " 0", " 3", " 0", " 40000", " 400"},
                   {"hover 3", "bottle 3", "HScroll1=40000", "masse"}},
        // Tools that do not exist, or that the bench does not offer the reagent, click nothing.
        ReplayCase{"ToolOutOfRange",
                   {"DOSARIUM", " 1", " 200", " 10", " 7", " 3", " 3", " 0", " 0"},
                   {"hover 1", "bottle 1"}},
        ReplayCase{"NegativeTool",
                   {"DOSARIUM", " 7", " 200", " 10", "-1", " 3", " 3", " 0", " 0"},
                   {"hover 7", "bottle 7"}},
        ReplayCase{"SolutionOnTheBalance",
                   {"DOSARIUM", " 7", " 200", " 0", " 0", " 3", " 0", " 1000", " 10"},
                   {"hover 7", "bottle 7"}},
        ReplayCase{"SolidInAPipette",
                   {"DOSARIUM", " 3", " 200", " 10", " 3", " 3", " 3", " 0", " 0"},
                   {"hover 3", "bottle 3"}}),
    [](const testing::TestParamInfo<ReplayCase>& info) { return std::string(info.param.name); });

TEST_F(ConfigurationControllerTest, VolumesOfTheFileAreRecomputedFromThePositions)
{
    const QString path = dir.filePath("retouche.C05");
    ASSERT_TRUE(
        writeRecords(path, {"DOSARIUM", " 2", " 999", " 77.5", " 3", " 3", " 3", " 0", " 0"}));
    load(path);
    EXPECT_EQ(bench.flask, 200.0f);
    EXPECT_EQ(bench.volume, 10.0f);
}

TEST_F(ConfigurationControllerTest, TheMassOfTheFileIsReplacedByTheSlider)
{
    const QString path = dir.filePath("masse.C05");
    ASSERT_TRUE(
        writeRecords(path, {"DOSARIUM", " 3", " 100", " 0", " 0", " 2", " 0", " 1234", " 99"}));
    load(path);
    EXPECT_EQ(bench.mass, 12.34f);
    EXPECT_EQ(bench.tool, 0);
}

TEST_F(ConfigurationControllerTest, ARejectedFileLeavesTheBenchReset)
{
    prepareAceticAcid();
    bench.caption = "Dosarium - ancien.C05";
    const QString path = dir.filePath("minuscule.C05");
    ASSERT_TRUE(
        writeRecords(path, {"dosarium", " 5", " 200", " 10", " 3", " 3", " 3", " 0", " 0"}));
    load(path);
    expectOnlyMessage(configurationtexts::notConfiguration,
                      configurationtexts::notConfigurationTitle);
    EXPECT_EQ(bench.calls, QStringList{"Nouveau"});
    EXPECT_EQ(bench.caption, "Dosarium");
    EXPECT_EQ(bench.reagent, 2);
}

TEST_F(ConfigurationControllerTest, AReagentThatDoesNotExistIsRejected)
{
    const QString path = dir.filePath("flacon.C05");
    ASSERT_TRUE(
        writeRecords(path, {"DOSARIUM", " 9", " 200", " 10", " 3", " 3", " 3", " 0", " 0"}));
    load(path);
    expectOnlyMessage(configurationtexts::notConfiguration,
                      configurationtexts::notConfigurationTitle);
    EXPECT_EQ(bench.calls, QStringList{"Nouveau"});
    EXPECT_EQ(bench.reagent, 0);
}

TEST_F(ConfigurationControllerTest, AMissingFileIsUnreadableAndNotCreated)
{
    const QString path = dir.filePath("absent.C05");
    load(path);
    expectOnlyMessage(configurationtexts::readFailure, configurationtexts::readFailureTitle);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(bench.calls, QStringList{"Nouveau"});
    EXPECT_EQ(bench.caption, "Dosarium");
}

TEST_F(ConfigurationControllerTest, AFailureKeepsTheReagentReadBeforeIt)
{
    const QString path = dir.filePath("coupe.C05");
    ASSERT_TRUE(writeRecords(path, {"DOSARIUM", " 6", " 200", " 10", " 99999"}));
    bench.mass = 3.5f;
    load(path);
    expectOnlyMessage(configurationtexts::readFailure, configurationtexts::readFailureTitle);
    EXPECT_EQ(bench.reagent, 6);
    EXPECT_EQ(bench.mass, 3.5f);
    EXPECT_EQ(bench.calls, QStringList{"Nouveau"});
}

TEST_F(ConfigurationControllerTest, ATruncatedFileIsUnreadable)
{
    const QString path = dir.filePath("tronque.C05");
    ASSERT_TRUE(writeRecords(path, {"DOSARIUM", " 1", " 200", " 10", " 3", " 3", " 3", " 0"}));
    load(path);
    expectOnlyMessage(configurationtexts::readFailure, configurationtexts::readFailureTitle);
    EXPECT_EQ(bench.reagent, 1);
}

TEST_F(ConfigurationControllerTest, FailedSaveKeepsTheCaptionThePathAndTheOldFile)
{
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "/dev/full is not available";
    prepareAceticAcid();
    bench.caption = "Dosarium";
    controller.setConfigPath("/dev/full");
    EXPECT_FALSE(controller.saveConfiguration());
    expectOnlyMessage(configurationtexts::writeFailure, configurationtexts::saveImpossibleTitle);
    EXPECT_EQ(bench.caption, "Dosarium");
    EXPECT_EQ(controller.configPath(), "/dev/full");
}

TEST_F(ConfigurationControllerTest, SavingIntoAReadOnlyFolderFailsAndKeepsTheOldFile)
{
    prepareAceticAcid();
    const QString path = dir.filePath("ancien.C05");
    ASSERT_TRUE(writeRecords(path, {"DOSARIUM", " 4"}));
    const QByteArray old = readBytes(path);
    const auto readable = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                          QFileDevice::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(path, readable | QFileDevice::WriteOther));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), readable));
    controller.setConfigPath(path);
    const std::optional<bool> failed = dosarium::test::asOrdinaryUser([&] {
        return !controller.saveConfiguration() && messages.shown.size() == 1 &&
               messages.shown[0].text == configurationtexts::writeFailure &&
               bench.caption == "Dosarium";
    });
    QFile::setPermissions(dir.path(), readable | QFileDevice::WriteOwner);
    if (!failed)
        GTEST_SKIP() << "no ordinary user to run the check as";
    EXPECT_TRUE(*failed);
    EXPECT_EQ(readBytes(path), old);
}

TEST_F(ConfigurationControllerTest, LoadingDrawsTheNoticeThenHidesTheOpenWindow)
{
    const QString path = dir.filePath("acide.C05");
    ASSERT_TRUE(
        writeRecords(path, {"DOSARIUM", " 2", " 200", " 10", " 3", " 3", " 3", " 0", " 0"}));
    bool showing = true;
    ConfigurationController::OpenWindowHooks hooks;
    hooks.isShowing = [&] { return showing; };
    hooks.repaint = [&] { bench.calls << "repaint window"; };
    hooks.hide = [&] {
        showing = false;
        bench.calls << "hide window";
    };
    hooks.repaintWorkbench = [&] { bench.calls << "repaint workbench"; };
    controller.setOpenWindowHooks(hooks);
    load(path);
    ASSERT_GE(bench.calls.size(), 5);
    EXPECT_EQ(bench.calls.mid(0, 5), QStringList({"repaint window", "Nouveau", "hide window",
                                                  "repaint workbench", "hover 2"}));
}
