#include "catalogue/reagent.h"
#include "configurations/configurationcontroller.h"
#include "configurations/configurationtexts.h"
#include "namedcase.h"
#include "protocol/benchmodel.h"
#include "protocol/benchtable.h"
#include "recordfiles.h"
#include "scriptedmessageservice.h"
#include "unprivileged.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dosarium;
using test::readBytes;
using test::writeRecords;
namespace texts = configurationtexts;

namespace {

class ConfigurationControllerTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    ScriptedMessageService messages;
    BenchModel model{messages, QLocale(QLocale::French, QLocale::France)};
    ConfigurationController controller{model, messages};

    // Sodium hydroxide with the graduated cylinder, as far as the flask choice.
    void startPreparation()
    {
        model.liquide_MouseMove(5);
        model.liquide_Click(5);
        model.eprouvette_Click();
        model.validprel_Click();
        model.setWindowCaption("Dosarium - ancien.C05");
    }

    void load(const QString& path) { controller.load(path); }

    void expectOnlyMessage(const QString& text, const QString& title)
    {
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.shown[0].text, text);
        EXPECT_EQ(messages.shown[0].title, title);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
        EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
    }

    void expectReset()
    {
        EXPECT_EQ(model.state().protocolStep, ProtocolStep::NoPreparation);
        EXPECT_EQ(model.windowCaption(), texts::workbenchCaption);
        EXPECT_FALSE(model.widget(bench::choisi).visible);
        EXPECT_TRUE(model.widget(bench::bottle(0)).visible);
    }
};

} // namespace

struct OddFileCase {
    const char* name;
    QList<QByteArray> records;
    ProtocolStep step;       // where the replay leaves the bench
    bench::Part shownWidget; // one part the student sees there
};

class ConfigurationOddFiles : public ConfigurationControllerTest,
                              public ::testing::WithParamInterface<OddFileCase> {};

TEST_P(ConfigurationOddFiles, ReplayOnlyWhatTheBenchOffers)
{
    const QString path = dir.filePath("essai.C05");
    ASSERT_TRUE(writeRecords(path, GetParam().records));
    load(path);
    EXPECT_EQ(model.state().protocolStep, GetParam().step);
    EXPECT_TRUE(model.widget(GetParam().shownWidget).visible)
        << bench::place(GetParam().shownWidget).name;
    EXPECT_EQ(model.windowCaption(), "Dosarium - " + path);
    const qint16 tool = qint16(model.state().samplingTool);
    EXPECT_TRUE(tool >= 0 && tool <= 4) << tool;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ConfigurationOddFiles,
    testing::Values(
        // Out of its range a selector keeps its position and the replay goes on.
        OddFileCase{"SamplePositionOutOfRange",
                    {"DOSARIUM", " 5", " 200", " 10", " 3", " 3", " 9", " 0", " 0"},
                    ProtocolStep::Prepared,
                    bench::resultat},
        OddFileCase{"FlaskPositionOutOfRange",
                    {"DOSARIUM", " 5", " 200", " 10", " 3", " 7", " 3", " 0", " 0"},
                    ProtocolStep::Prepared,
                    bench::resultat},
        // A mass the slider refuses leaves the balance at 0: no sample, so no flask either.
        OddFileCase{"MassPositionOutOfRange",
                    {"DOSARIUM", " 3", " 200", " 0", " 0", " 3", " 0", " 40000", " 400"},
                    ProtocolStep::Sampling,
                    bench::masse},
        // A tool that does not exist, or that the bench does not offer the reagent, is not
        // clicked: the bench waits with the chosen bottle.
        OddFileCase{"ToolOutOfRange",
                    {"DOSARIUM", " 1", " 200", " 10", " 7", " 3", " 3", " 0", " 0"},
                    ProtocolStep::Sampling,
                    bench::measureChoice(1)},
        OddFileCase{"NegativeTool",
                    {"DOSARIUM", " 7", " 200", " 10", "-1", " 3", " 3", " 0", " 0"},
                    ProtocolStep::Sampling,
                    bench::pipjaug},
        OddFileCase{"SolutionOnTheBalance",
                    {"DOSARIUM", " 7", " 200", " 0", " 0", " 3", " 0", " 1000", " 10"},
                    ProtocolStep::Sampling,
                    bench::pipjaug},
        OddFileCase{"SolidInAPipette",
                    {"DOSARIUM", " 3", " 200", " 10", " 3", " 3", " 3", " 0", " 0"},
                    ProtocolStep::Sampling,
                    bench::balance}),
    dosarium::test::caseName);

namespace {

// Whether the bench shows the instrument `widget` once the bottle is chosen, through either of a
// pure liquid's measure choices.
bool benchOffers(int reagent, bench::Part widget)
{
    for (const int choice : {-1, 0, 1}) {
        ScriptedMessageService messages;
        BenchModel probe(messages);
        probe.liquide_MouseMove(reagent);
        probe.liquide_Click(reagent);
        if (choice >= 0) {
            if (!probe.widget(bench::measureChoice(choice)).visible)
                continue;
            probe.Label3_Click(choice);
        }
        if (probe.widget(widget).visible)
            return true;
    }
    return false;
}

} // namespace

TEST_F(ConfigurationControllerTest, TheReplayTakesASampleOnlyWithAnInstrumentTheBenchOffers)
{
    const QList<std::pair<SamplingTool, bench::Part>> instruments = {
        {SamplingTool::Balance, bench::balance},
        {SamplingTool::VolumetricFlask, bench::fiole},
        {SamplingTool::GraduatedCylinder, bench::eprouvette},
        {SamplingTool::VolumetricPipette, bench::pipjaug},
        {SamplingTool::GraduatedPipette, bench::pipgrad}};
    const QString path = dir.filePath("instrument.C05");
    for (int reagent = 0; reagent < Catalogue::reagentCount; ++reagent) {
        for (const auto& [tool, widget] : instruments) {
            SCOPED_TRACE(QStringLiteral("reagent %1, %2")
                             .arg(reagent)
                             .arg(bench::name(widget))
                             .toStdString());
            ASSERT_TRUE(
                writeRecords(path, {"DOSARIUM", QByteArray::number(reagent), " 200", " 10",
                                    QByteArray::number(int(tool)), " 3", " 0", " 100", " 1"}));
            load(path);
            EXPECT_EQ(model.state().reagentIndex, reagent);
            if (benchOffers(reagent, widget)) {
                EXPECT_EQ(model.state().samplingTool, tool);
                EXPECT_NE(model.state().protocolStep, ProtocolStep::Sampling);
            } else {
                EXPECT_EQ(model.state().protocolStep, ProtocolStep::Sampling);
            }
        }
    }
}

TEST_F(ConfigurationControllerTest, ARejectedFileLeavesTheBenchReset)
{
    const QList<QList<QByteArray>> files = {
        {"dosarium", " 5", " 200", " 10", " 3", " 3", " 3", " 0", " 0"},
        {"", " 5", " 200", " 10", " 3", " 3", " 3", " 0", " 0"},
        {"DOSARIUM", " 9", " 200", " 10", " 3", " 3", " 3", " 0", " 0"},
        {"DOSARIUM", "-1", " 200", " 10", " 3", " 3", " 3", " 0", " 0"},
        {}};
    for (qsizetype i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(i);
        const QString path = dir.filePath(QStringLiteral("rejete%1.C05").arg(i));
        ASSERT_TRUE(writeRecords(path, files[i]));
        startPreparation();
        messages.shown.clear();
        load(path);
        expectOnlyMessage(texts::notConfiguration, texts::notConfigurationTitle);
        expectReset();
        EXPECT_EQ(model.state().reagentIndex, 5);
    }
}

TEST_F(ConfigurationControllerTest, AMissingFileIsUnreadableAndNotCreated)
{
    startPreparation();
    const QString path = dir.filePath("absent.C05");
    load(path);
    expectOnlyMessage(texts::readFailure, texts::readFailureTitle);
    expectReset();
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ConfigurationControllerTest, AFailureKeepsTheReagentReadBeforeIt)
{
    startPreparation();
    model.setHScroll1Position(350);
    const QString path = dir.filePath("coupe.C05");
    ASSERT_TRUE(
        writeRecords(path, {"DOSARIUM", " 6", " 200", " 10", " 99999", " 3", " 3", " 0", " 7"}));
    load(path);
    expectOnlyMessage(texts::readFailure, texts::readFailureTitle);
    expectReset();
    EXPECT_EQ(model.state().reagentIndex, 6);
    EXPECT_EQ(model.state().sampledMass, 3.5f);
}

TEST_F(ConfigurationControllerTest, ATruncatedFileIsUnreadable)
{
    const QString path = dir.filePath("tronque.C05");
    ASSERT_TRUE(writeRecords(path, {"DOSARIUM", " 1", " 200", " 10", " 3", " 3", " 3", " 0"}));
    load(path);
    expectOnlyMessage(texts::readFailure, texts::readFailureTitle);
    expectReset();
    EXPECT_EQ(model.state().reagentIndex, 1);
}

TEST_F(ConfigurationControllerTest, AFullDiskFailsTheSaveAndKeepsTheCaption)
{
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "/dev/full is not available";
    startPreparation();
    EXPECT_FALSE(controller.write("/dev/full"));
    expectOnlyMessage(texts::writeFailure, texts::saveImpossibleTitle);
    EXPECT_EQ(model.windowCaption(), "Dosarium - ancien.C05");
    EXPECT_EQ(controller.configPath(), "/dev/full");
}

TEST_F(ConfigurationControllerTest, SavingIntoAReadOnlyFolderFailsAndKeepsTheOldFile)
{
    startPreparation();
    const QString path = dir.filePath("ancien.C05");
    ASSERT_TRUE(writeRecords(path, {"DOSARIUM", " 4"}));
    const QByteArray old = readBytes(path);
    const auto readable = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                          QFileDevice::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(path, readable | QFileDevice::WriteOther));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), readable));
    const std::optional<bool> failed = dosarium::test::asOrdinaryUser([&] {
        return !controller.write(path) && messages.shown.size() == 1 &&
               messages.shown[0].text == texts::writeFailure &&
               model.windowCaption() == "Dosarium - ancien.C05";
    });
    QFile::setPermissions(dir.path(), readable | QFileDevice::WriteOwner);
    if (!failed)
        GTEST_SKIP() << "no ordinary user to run the check as";
    EXPECT_TRUE(*failed);
    EXPECT_EQ(readBytes(path), old);
}

TEST_F(ConfigurationControllerTest, AnEmptyPathIsNotSaved)
{
    startPreparation();
    EXPECT_FALSE(controller.write(QString()));
    expectOnlyMessage(texts::writeFailure, texts::saveImpossibleTitle);
}

// A file holds the cupboard's bottles only: a dilution of a prepared solution would replay as one
// of the stock, so it is not written at all, and the student is told why.
TEST_F(ConfigurationControllerTest, ADilutionOfAPreparedSolutionIsNotSaved)
{
    const auto dilute = [this](int flaskPosition) {
        model.pipjaug_Click();
        model.validprel_Click();
        model.setUpDown1Position(flaskPosition);
        model.validvol_Click();
    };
    model.liquide_MouseMove(7);
    model.liquide_Click(7);
    dilute(4);
    const QString path = dir.filePath("dilution.C05");
    EXPECT_FALSE(controller.refuseUnsavable());
    model.useAsMotherSolution();
    model.flaconmere_MouseMove();
    model.flaconmere_Click();
    dilute(4);
    ASSERT_TRUE(model.isSaveEnabled());
    ASSERT_TRUE(messages.shown.isEmpty());

    EXPECT_TRUE(controller.refuseUnsavable());
    EXPECT_FALSE(controller.write(path));
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[1].text, texts::motherSolutionNotSaved);
    EXPECT_EQ(messages.shown[1].title, texts::saveImpossibleTitle);
}
