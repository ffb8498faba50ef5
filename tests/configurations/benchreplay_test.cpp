#include "configurations/configurationcontroller.h"
#include "namedcase.h"
#include "preparations.h"
#include "protocol/benchmodel.h"
#include "protocol/benchtable.h"
#include "recordfiles.h"
#include "scriptedmessageservice.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dosarium;
using test::readBytes;
using test::recordsBytes;
using test::writeRecords;

namespace {

const QLocale french(QLocale::French, QLocale::France);

// One workbench: the bench model, its messages and the configuration routines on it.
struct Workbench {
    ScriptedMessageService messages;
    BenchModel model{messages, french};
    ConfigurationController controller{model, messages};
};

// What a student sees of a preparation.
struct Snapshot {
    PreparationState state;
    QStringList visible;
    QString result;
    QString caption;
    QString conseil;
    QString sample;
    QString massReadOut;
    QString flask;
    int upDown1 = 0;
    int upDown2 = 0;
    int hScroll1 = 0;
    bool saveEnabled = false;

    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const BenchModel& model)
{
    return {model.state(),
            model.visibleWidgets(),
            model.resultDocument().toPlainText(),
            model.windowCaption(),
            model.widget(bench::conseil).caption,
            model.widget(bench::Labelprel).caption,
            model.widget(bench::Labelmasse).caption,
            model.widget(bench::labelvol).caption,
            model.upDown1Position(),
            model.upDown2Position(),
            model.hScroll1Position(),
            model.isSaveEnabled()};
}

void PrintTo(const Snapshot& s, std::ostream* os)
{
    *os << "step " << int(s.state.protocolStep) << " reagent " << s.state.reagentIndex << " tool "
        << int(s.state.samplingTool) << " mass " << s.state.sampledMass << " volume "
        << s.state.sampledVolume << " flask " << s.state.flaskVolume << " visible ["
        << s.visible.join(' ').toStdString() << "] result [" << s.result.toStdString()
        << "] caption [" << s.caption.toStdString() << "]";
}

struct PreparationCase {
    const char* name;
    Preparation preparation;
};

class BenchReplay : public ::testing::TestWithParam<PreparationCase> {};

} // namespace

TEST_P(BenchReplay, SavedPreparationReloadsOntoAFreshBench)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("preparation.C05");

    Workbench student;
    GetParam().preparation.play(student.model);
    ASSERT_EQ(student.model.state().protocolStep, ProtocolStep::Prepared);
    ASSERT_TRUE(student.controller.write(path));
    EXPECT_EQ(student.model.windowCaption(), "Dosarium - " + path);
    const Snapshot saved = snapshot(student.model);

    Workbench restarted;
    restarted.controller.load(path);
    EXPECT_EQ(snapshot(restarted.model), saved);
    EXPECT_EQ(restarted.messages.shown.size(), student.messages.shown.size());

    // Loading it again over the finished preparation gives the same bench once more.
    restarted.controller.load(path);
    EXPECT_EQ(snapshot(restarted.model), saved);
}

INSTANTIATE_TEST_SUITE_P(
    Preparations, BenchReplay,
    testing::Values(PreparationCase{"AceticAcidWithTheVolumetricPipette",
                                    test::aceticAcidWithTheVolumetricPipette},
                    PreparationCase{"EthanolWeighed", test::ethanolWeighed},
                    PreparationCase{"EthanolWithTheCylinder", test::ethanolWithTheCylinder},
                    PreparationCase{"GlucoseWeighed", test::glucoseWeighed},
                    PreparationCase{"PermanganateWithTheGraduatedPipette",
                                    test::permanganateWithTheGraduatedPipette},
                    PreparationCase{"HydrochloricAcidWithTheFlaskRefused",
                                    test::hydrochloricAcidWithTheFlaskRefused}),
    dosarium::test::caseName);

TEST(BenchReplayFile, TheExamplePreparationIsWrittenByteForByte)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("acide.C05");
    Workbench student;
    test::aceticAcidWithTheVolumetricPipette.play(student.model);
    ASSERT_TRUE(student.controller.write(path));

    EXPECT_EQ(readBytes(path),
              recordsBytes({"DOSARIUM", " 2", " 200", " 10", " 3", " 3", " 3", " 0", " 0"}));
}

TEST(BenchReplayFile, HandEditedVolumesChangeNothing)
{
    QTemporaryDir dir;
    const QString honest = dir.filePath("honnete.C05");
    const QString edited = dir.filePath("retouche.C05");
    ASSERT_TRUE(
        writeRecords(honest, {"DOSARIUM", " 2", " 200", " 10", " 3", " 3", " 3", " 0", " 0"}));
    ASSERT_TRUE(
        writeRecords(edited, {"DOSARIUM", " 2", " 25", " 999.5", " 3", " 3", " 3", " 0", " 0"}));
    Workbench first;
    first.controller.load(honest);
    Workbench second;
    second.controller.load(edited);
    Snapshot a = snapshot(first.model);
    Snapshot b = snapshot(second.model);
    EXPECT_EQ(a.state, b.state);
    EXPECT_EQ(a.result, b.result);
    EXPECT_EQ(a.visible, b.visible);
    EXPECT_EQ(b.state.flaskVolume, 200.0f);
    EXPECT_EQ(b.state.sampledVolume, 10.0f);
}

TEST(BenchReplayFile, HostileValuesNeverBreakTheBench)
{
    QTemporaryDir dir;
    const QList<QList<QByteArray>> files = {
        {"DOSARIUM", " 0", " 0", " 0", " 9", " 6", " 90", " 0", " 0"},
        {"DOSARIUM", " 1", " 0", " 0", "-3", "-1", "-1", "-1", "-5"},
        {"DOSARIUM", " 6", " 0", " 0", " 0", " 32767", " 0", " 20000", " 200"},
        {"DOSARIUM", " 3", " 0", " 0", " 4", " 6", " 32767", " 0", " 0"},
        {"DOSARIUM", " 2", " 0", " 0", " 0", " 6", " 0", " 2147483647", " 3E38"},
        {"DOSARIUM", " 5", " 0", " 0", " 2", " 6", " 91", " 0", " 0"},
        {"DOSARIUM", " 0", " 0", " 0", " 0", " 0", " 0", " 0", " 0"},
        {"DOSARIUM", "-1", " 0", " 0", " 1", " 3", " 3", " 0", " 0"},
        {"DOSARIUM", " 8", " 0", " 0", " 1", " 0", " 6", " 0", " 0"},
    };
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = dir.filePath(QStringLiteral("hostile%1.C05").arg(i));
        ASSERT_TRUE(writeRecords(path, files[i]));
        Workbench bench;
        bench.controller.load(path);
        const PreparationState& state = bench.model.state();
        EXPECT_GE(state.reagentIndex, 0) << "file " << i;
        EXPECT_LE(state.reagentIndex, 8) << "file " << i;
        EXPECT_GE(int(state.samplingTool), 0) << "file " << i;
        EXPECT_LE(int(state.samplingTool), 4) << "file " << i;
        const BenchWidget& upDown2 = bench.model.widget(bench::UpDown2);
        EXPECT_GE(upDown2.value, upDown2.minimum) << "file " << i;
        EXPECT_LE(upDown2.value, upDown2.maximum) << "file " << i;
    }
}

TEST(BenchReplayFile, TheLabelIsRedrawnAfterLoading)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("glucose.C05");
    ASSERT_TRUE(
        writeRecords(path, {"DOSARIUM", " 4", " 50", " 0", " 0", " 1", " 0", " 500", " 5"}));
    Workbench bench;
    QSignalSpy repaints(&bench.model, &BenchModel::labelRepaintRequested);
    bench.controller.load(path);
    ASSERT_FALSE(repaints.isEmpty());
    EXPECT_EQ(repaints.last().at(0).toInt(), 4);
    EXPECT_EQ(bench.model.label1(), QStringLiteral("Glucose"));
}
