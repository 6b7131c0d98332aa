#pragma once

// How each benchmark program runs its benchmarks.
#include <QByteArray>
#include <QtGlobal>
#include <benchmark/benchmark.h>

namespace velox::bench {

// Widgets are drawn off the screen unless the caller chose a platform.
inline void offscreenUnlessChosen() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

// Runs the benchmarks the command line selects, shown through `reporter` when
// one is given. False, with nothing run, for an argument the benchmark
// library does not know (it says which).
inline bool runBenchmarks(int& argc, char** argv,
                          benchmark::BenchmarkReporter* reporter = nullptr) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return false;
    }
    benchmark::RunSpecifiedBenchmarks(reporter);
    benchmark::Shutdown();
    return true;
}

} // namespace velox::bench
