// The main function of a benchmark that measures under a GUI application, as the program runs, so
// that fonts and pictures are resolved as on screen; the offscreen platform shows no window.
#pragma once

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace dosarium::benchmarks {

// `registerBenchmarks` adds the benchmarks that need the application to exist first.
inline int runUnderGuiApplication(int argc, char** argv, void (*registerBenchmarks)() = nullptr)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (registerBenchmarks)
        registerBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace dosarium::benchmarks
