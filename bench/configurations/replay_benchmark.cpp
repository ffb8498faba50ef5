// Opening a saved preparation: reading its nine records, replaying it on the bench model, and the
// whole load from the file to the result. Each file is written by the program's own save.
#include "configurations/configurationcontroller.h"
#include "guibenchmarkmain.h"
#include "preparations.h"
#include "protocol/benchmodel.h"
#include "ui/messageservice.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <string>
#include <utility>

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

// A student's finished preparation, saved to a file of a temporary folder.
struct SavedPreparation {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("préparation.C05"));
    PreparationState state;
    int messages = 0;
    bool saved = false;

    explicit SavedPreparation(const Preparation& played)
    {
        Workbench student;
        played.play(student.model);
        saved = student.model.state().protocolStep == ProtocolStep::Prepared &&
                student.controller.write(path);
        state = student.model.state();
        messages = student.messages.count;
    }
};

using Measure = void (*)(benchmark::State&, const SavedPreparation&);

void readFile(benchmark::State& state, const SavedPreparation& preparation)
{
    ConfigurationReading reading;
    for (auto _ : state) {
        reading = ConfigurationFile::read(preparation.path);
        benchmark::DoNotOptimize(reading);
    }
    if (reading.status != ConfigurationStatus::Read)
        state.SkipWithError("the saved file did not read");
}

// What loading does once the file is read: the reset and the replay.
void replay(benchmark::State& state, const SavedPreparation& preparation)
{
    const std::optional<Preparation> saved = readConfiguration(preparation.path).preparation;
    if (!saved) {
        state.SkipWithError("the saved file did not read");
        return;
    }
    Workbench restarted;
    for (auto _ : state) {
        restarted.model.Command3_Click();
        restarted.controller.apply(*saved, preparation.path);
    }
    if (!(restarted.model.state() == preparation.state))
        state.SkipWithError("the replay did not give the saved preparation");
}

void loadFile(benchmark::State& state, const SavedPreparation& preparation)
{
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

// Saves the preparation played on a bench, then times `measure` on it; the benchmark is skipped
// when the preparation cannot be saved.
void onSavedPreparation(benchmark::State& state, Measure measure, const Preparation* played)
{
    const SavedPreparation preparation(*played);
    if (!preparation.saved) {
        state.SkipWithError("the preparation could not be saved");
        return;
    }
    measure(state, preparation);
}

// Every measure on every preparation, named "BM_ReadFile/solid" and so on.
void registerBenchmarks()
{
    const std::pair<const char*, Measure> measures[] = {
        {"BM_ReadFile", readFile}, {"BM_Replay", replay}, {"BM_LoadFile", loadFile}};
    const std::pair<const char*, const Preparation*> preparations[] = {
        {"liquid_by_volume", &test::aceticAcidWithTheVolumetricPipette},
        {"liquid_by_mass", &test::ethanolWeighed},
        {"solid", &test::glucoseWeighed}};
    for (const auto& [measureName, measure] : measures) {
        for (const auto& [preparationName, played] : preparations) {
            const std::string name = std::string(measureName) + '/' + preparationName;
            benchmark::RegisterBenchmark(name.c_str(), onSavedPreparation, measure, played);
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    return benchmarks::runUnderGuiApplication(argc, argv, registerBenchmarks);
}
