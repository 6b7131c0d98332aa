// VeloxCD's start-up as a whole process: start-up, the About screen answered at
// once, the main window loaded on the demo CD and drawn, beside a minimal Qt
// program that shows one window and ends once it is drawn. Neither draws again
// for a picture nor encodes one: that is not part of starting. Both run in the same benchmark run;
// the counters give each one's peak memory, and the last lines the ratios.
#include <QByteArray>
#include <QDir>
#include <QString>
#include <benchmark/benchmark.h>
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

struct RunResult {
    long peakKilobytes = 0;
};

// Runs a program to its end; its peak resident memory comes from wait4.
RunResult run(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) {
        throw std::runtime_error("cannot start " + argv[0]);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error(argv[0] + " failed");
    }
    return {usage.ru_maxrss};
}

// The demo's program folder and prefix, made by ./velox demo.
struct Demo {
    std::string program = VELOX_SOURCE_DIR "/build/demo/program";
    std::string prefix = VELOX_SOURCE_DIR "/build/demo/prefix";
};

long veloxPeak = 0;
long minimalPeak = 0;
double veloxSeconds = 0;
double minimalSeconds = 0;

void VeloxCdStartUp(benchmark::State& state) {
    const Demo demo;
    if (!QDir(QString::fromStdString(demo.program)).exists()) {
        state.SkipWithError("run ./velox demo first: it makes the demo's program folder");
        return;
    }
    setenv("VELOX_PREFIX", demo.prefix.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    long peak = 0;
    for (auto _ : state) {
        peak = std::max(peak, run({VELOX_SCREENSHOT, demo.program, "--no-picture"}).peakKilobytes);
    }
    state.counters["peak_kB"] = static_cast<double>(peak);
    veloxPeak = peak;
}

void MinimalQtWindow(benchmark::State& state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    long peak = 0;
    for (auto _ : state) {
        peak = std::max(peak, run({MINIMAL_WINDOW}).peakKilobytes);
    }
    state.counters["peak_kB"] = static_cast<double>(peak);
    minimalPeak = peak;
}

BENCHMARK(MinimalQtWindow)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();
BENCHMARK(VeloxCdStartUp)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& each : runs) {
            const double seconds = each.GetAdjustedRealTime();
            if (each.benchmark_name().find("VeloxCdStartUp") != std::string::npos) {
                veloxSeconds = seconds;
            } else {
                minimalSeconds = seconds;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (minimalSeconds > 0 && veloxSeconds > 0 && minimalPeak > 0) {
        std::printf("start-up time: VeloxCD / minimal Qt window = %.2f (target at most 1.5)\n",
                    veloxSeconds / minimalSeconds);
        std::printf("peak memory:   VeloxCD / minimal Qt window = %.2f (target at most 1.5)\n",
                    static_cast<double>(veloxPeak) / static_cast<double>(minimalPeak));
    }
    benchmark::Shutdown();
    return 0;
}
