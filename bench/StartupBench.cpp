// VeloxCD's start-up as a whole process: start-up, the About screen answered at
// once, the main window loaded on the demo CD, drawn and closed (VeloxCD ends at
// once when its window closes), beside a minimal Qt program that shows one
// window and returns from main once it is drawn. Neither draws again
// for a picture nor encodes one: that is not part of starting.
//
// The two run in turns, one of each per iteration, so that whatever else the
// machine does at a moment weighs on both alike; the ratio is taken between
// their medians, which a stray slow run does not move. Peak memory is the
// largest each reached in any run.
#include "BenchRun.h"
#include "BenchSummary.h"

#include <QDir>
#include <QString>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double milliseconds = 0;
    long peakKilobytes = 0;
};

// Runs a program to its end; its peak resident memory comes from wait4.
Run run(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) {
        throw std::runtime_error("cannot start " + argv[0]);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error(argv[0] + " failed");
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    return {took.count(), usage.ru_maxrss};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Outcome {
    double veloxMs = 0;
    double minimalMs = 0;
    long veloxPeak = 0;
    long minimalPeak = 0;
};
Outcome outcome;

// The demo's program folder and prefix, laid out from the release build by
// ./velox bench (tools/demo.sh --preset release --into build/release/demo).
const std::string demoProgram = VELOX_SOURCE_DIR "/build/release/demo/program";
const std::string demoPrefix = VELOX_SOURCE_DIR "/build/release/demo/prefix";

void StartUpSideBySide(benchmark::State& state) {
    if (!QDir(QString::fromStdString(demoProgram)).exists()) {
        state.SkipWithError("run it through ./velox bench: that lays out the release demo");
        return;
    }
    setenv("VELOX_PREFIX", demoPrefix.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // A user's every start but the first finds the device photo and the main
    // screen kept decoded in the prefix. A start that ends at its first
    // drawing ends before it has kept them, so one start that takes a picture
    // keeps them first; it is not timed.
    run({VELOX_SCREENSHOT, demoProgram, demoPrefix + "/../warm-up.png"});
    std::vector<double> velox;
    std::vector<double> minimal;
    Outcome seen;
    for (auto _ : state) {
        const Run yardstick = run({MINIMAL_WINDOW});
        const Run program = run({VELOX_SCREENSHOT, demoProgram, "--no-picture"});
        minimal.push_back(yardstick.milliseconds);
        velox.push_back(program.milliseconds);
        seen.minimalPeak = std::max(seen.minimalPeak, yardstick.peakKilobytes);
        seen.veloxPeak = std::max(seen.veloxPeak, program.peakKilobytes);
        state.SetIterationTime((yardstick.milliseconds + program.milliseconds) / 1000);
    }
    seen.veloxMs = median(velox);
    seen.minimalMs = median(minimal);
    state.counters["velox_ms"] = seen.veloxMs;
    state.counters["minimal_ms"] = seen.minimalMs;
    state.counters["velox_peak_kB"] = static_cast<double>(seen.veloxPeak);
    state.counters["minimal_peak_kB"] = static_cast<double>(seen.minimalPeak);
    outcome = seen;
}

BENCHMARK(StartUpSideBySide)->Unit(benchmark::kMillisecond)->Iterations(40)->UseManualTime();

} // namespace

int main(int argc, char** argv) {
    if (!velox::bench::runBenchmarks(argc, argv)) {
        return 1;
    }
    if (outcome.minimalMs > 0 && outcome.minimalPeak > 0) {
        std::printf("start-up time (medians): VeloxCD %.1f ms, minimal Qt window %.1f ms\n",
                    outcome.veloxMs, outcome.minimalMs);
        std::printf("peak memory: VeloxCD %.1f MB, minimal Qt window %.1f MB\n",
                    static_cast<double>(outcome.veloxPeak) / 1024,
                    static_cast<double>(outcome.minimalPeak) / 1024);
        velox::bench::summarise("Start-up time: VeloxCD / minimal Qt window",
                                outcome.veloxMs / outcome.minimalMs, velox::bench::Bound::AtMost,
                                1.25);
        velox::bench::summarise("Start-up peak memory: VeloxCD / minimal Qt window",
                                static_cast<double>(outcome.veloxPeak) /
                                    static_cast<double>(outcome.minimalPeak),
                                velox::bench::Bound::AtMost, 1.25);
    }
    return 0;
}
