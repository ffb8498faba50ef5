// Opening a saved preparation: reading its nine records, replaying it on the bench model, and the
// whole load from the file to the result. Each file is written by the program's own save.
#include "configurations/configurationcontroller.h"
#include "preparations.h"
#include "protocol/benchmodel.h"
#include "ui/messageservice.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace dosarium;

namespace {

class CountingMessageService : public MessageService {
  public:
    int count = 0;
    MessageAnswer show(const Message&) override
    {
        ++count;
        return MessageAnswer::Ok;
    }
};

struct Workbench {
    CountingMessageService messages;
    BenchModel model{messages, QLocale(QLocale::French, QLocale::France)};
    ConfigurationController controller{model, messages};
};

using Clicks = void (*)(BenchModel&);

// A student's finished preparation, saved to a file of a temporary folder; the benchmark is skipped
// when the clicks do not end in a saved preparation.
struct SavedPreparation {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("préparation.C05"));
    PreparationState state;
    int messages = 0;
    bool saved = false;

    SavedPreparation(benchmark::State& benchmark, Clicks clicks)
    {
        Workbench student;
        clicks(student.model);
        saved = student.model.state().protocolStep == ProtocolStep::Prepared &&
                student.controller.write(path);
        state = student.model.state();
        messages = student.messages.count;
        if (!saved)
            benchmark.SkipWithError("the preparation could not be saved");
    }
};

void BM_ReadFile(benchmark::State& state, Clicks clicks)
{
    const SavedPreparation preparation(state, clicks);
    if (!preparation.saved)
        return;
    ConfigurationReading reading;
    for (auto _ : state) {
        reading = ConfigurationFile::read(preparation.path);
        benchmark::DoNotOptimize(reading);
    }
    if (reading.status != ConfigurationStatus::Read)
        state.SkipWithError("the saved file did not read");
}

// What loading does once the file is read: the reset and the replay.
void BM_Replay(benchmark::State& state, Clicks clicks)
{
    const SavedPreparation preparation(state, clicks);
    if (!preparation.saved)
        return;
    const ConfigurationReading reading = ConfigurationFile::read(preparation.path);
    if (reading.status != ConfigurationStatus::Read) {
        state.SkipWithError("the saved file did not read");
        return;
    }
    const ConfigurationValues& values = reading.values;
    Workbench restarted;
    for (auto _ : state) {
        restarted.model.Command3_Click();
        restarted.controller.apply(values, preparation.path);
    }
    if (!(restarted.model.state() == preparation.state))
        state.SkipWithError("the replay did not give the saved preparation");
}

void BM_LoadFile(benchmark::State& state, Clicks clicks)
{
    const SavedPreparation preparation(state, clicks);
    if (!preparation.saved)
        return;
    Workbench restarted;
    restarted.controller.load(preparation.path);
    if (!(restarted.model.state() == preparation.state) ||
        restarted.messages.count != preparation.messages) {
        state.SkipWithError("loading did not give the saved preparation");
        return;
    }
    for (auto _ : state)
        restarted.controller.load(preparation.path);
    if (!(restarted.model.state() == preparation.state))
        state.SkipWithError("loading again did not give the saved preparation");
}

} // namespace

BENCHMARK_CAPTURE(BM_ReadFile, liquid_by_volume, test::aceticAcidWithTheVolumetricPipette);
BENCHMARK_CAPTURE(BM_ReadFile, liquid_by_mass, test::ethanolWeighed);
BENCHMARK_CAPTURE(BM_ReadFile, solid, test::glucoseWeighed);
BENCHMARK_CAPTURE(BM_Replay, liquid_by_volume, test::aceticAcidWithTheVolumetricPipette);
BENCHMARK_CAPTURE(BM_Replay, liquid_by_mass, test::ethanolWeighed);
BENCHMARK_CAPTURE(BM_Replay, solid, test::glucoseWeighed);
BENCHMARK_CAPTURE(BM_LoadFile, liquid_by_volume, test::aceticAcidWithTheVolumetricPipette);
BENCHMARK_CAPTURE(BM_LoadFile, liquid_by_mass, test::ethanolWeighed);
BENCHMARK_CAPTURE(BM_LoadFile, solid, test::glucoseWeighed);

// Under a GUI application, as the program runs, so that the result text's fonts are resolved as
// on screen; the offscreen platform shows no window.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
