// Time of one tube's colour once the tables are read, and of the first read of the tables.
#include "colour/tubecolour.h"

#include <benchmark/benchmark.h>

namespace {

using namespace dosarium;

void oneTube(benchmark::State& state, Chromophore chromophore, double concentration)
{
    const ColourTables& tables = ColourTables::standard();
    if (!tables.isValid()) {
        state.SkipWithError("the colour tables could not be read");
        return;
    }
    for (auto _ : state) {
        TubeColour colour = tubeColour(tables, chromophore, concentration);
        benchmark::DoNotOptimize(colour);
    }
}

void readTables(benchmark::State& state)
{
    for (auto _ : state) {
        ColourTables tables = ColourTables::load(ColourTables::standardObserverPath(),
                                                 ColourTables::standardIlluminantPath());
        benchmark::DoNotOptimize(tables);
    }
}

} // namespace

BENCHMARK_CAPTURE(oneTube, copper, Chromophore::CopperAqua, 0.1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(oneTube, permanganate, Chromophore::Permanganate, 1.0e-4)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(readTables)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
