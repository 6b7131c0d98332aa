// The copy of an alarm sound to the handheld, the transfer users wait for,
// through the whole chain the window uses: TANLINK.OCX and the engine
// stand-in registered with regsvr and created through the COM runtime, the
// calls made by name (Connect, CreateDirectory, GetFileInfo, then CopyFile
// and Disconnect as the window makes them), and every event carried to this
// (the window's) thread by the window's own event sink, the worker waiting
// for each as it waits for the window. Timed from Connect until the window
// hears that the copy ended.
//
// Beside it, in turns, cp copies the same file into the same handheld
// folder; the ratio of the two medians is the chain's throughput as a share
// of cp's.
#include "BenchRun.h"
#include "BenchSummary.h"
#include "catalogue/mainwindow/LinkControlHost.h"
#include "simulator/HandheldSetup.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

constexpr int connectTimeoutMs = 10000;
constexpr int replaceExisting = 1;
constexpr qint32 fileNotFound = 2;
constexpr int answerTimeoutMs = 60000;
const QString alarmFolder = QStringLiteral("C:\\System\\Alarms\\");
const QString target = QStringLiteral("C:\\System\\Alarms\\Chime");

using Clock = std::chrono::steady_clock;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Runs a program to its end; false when it could not start or failed.
bool run(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) {
        return false;
    }
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A prefix of its own with both modules registered and a handheld plugged in.
class Setting {
public:
    Setting() {
        if (!prefix_.isValid() || !work_.isValid()) {
            throw std::runtime_error("cannot make the temporary folders");
        }
        setenv("VELOX_PREFIX", QFile::encodeName(prefix_.path()).constData(), 1);
        for (const char* module : {VELOX_TANLINK_OCX, VELOX_TANDEM_ENGINE}) {
            if (!run({VELOX_REGSVR, "-s", module})) {
                throw std::runtime_error(std::string("cannot register ") + module);
            }
        }
        velox::simulator::HandheldState handheld = velox::simulator::HandheldState::defaults();
        handheld.connected = true;
        if (!velox::simulator::setUpHandheld(handheld)) {
            throw std::runtime_error("cannot set up the handheld");
        }
    }

    // A sound of `bytes` bytes on the PC side, made once.
    QString sound(qint64 bytes) {
        const QString path = work_.filePath(QStringLiteral("sound-%1.wve").arg(bytes));
        if (!QFile::exists(path)) {
            QByteArray data(bytes, '\0');
            for (qint64 i = 0; i < bytes; ++i) {
                data[i] = static_cast<char>('A' + i % 23);
            }
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(data) != bytes) {
                throw std::runtime_error("cannot write the sound");
            }
        }
        return path;
    }

private:
    QTemporaryDir prefix_;
    QTemporaryDir work_;
};

// The link control as the window holds it, with handlers doing what the
// window's do.
class Link {
public:
    Link() {
        if (!host_.created() || !host_.call(QStringLiteral("Init"))) {
            throw std::runtime_error("the link control is not available");
        }
        veloxcd::LinkEventHandlers handlers;
        handlers.onGetFileInfo = [this](qint32 error) {
            if (error == fileNotFound) {
                host_.call(
                    QStringLiteral("CopyFile"),
                    {veloxcd::linkPc, source_, veloxcd::linkHandheld, target, replaceExisting});
            } else {
                failed_ = true;
                loop_.quit();
            }
            host_.call(QStringLiteral("Disconnect"));
        };
        handlers.onCopyProgress = [this](qint16 percent, bool& /*cancel*/) {
            ++progress_;
            gauge_ = std::clamp<int>(percent, 0, 100);
        };
        handlers.onCopyFile = [this](qint32 error) {
            copied_ = Clock::now();
            failed_ = failed_ || error != 0;
            host_.call(QStringLiteral("Disconnect"));
            loop_.quit();
        };
        handlers.onDisconnect = [this](qint32 /*error*/) { ++disconnects_; };
        timeout_.setSingleShot(true);
        QObject::connect(&timeout_, &QTimer::timeout, &loop_, [this] {
            failed_ = true;
            loop_.quit();
        });
        if (!host_.adviseEvents(std::move(handlers))) {
            throw std::runtime_error("the link control gives no events");
        }
    }
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;
    ~Link() { host_.stopEvents(); }

    struct Copy {
        double milliseconds = 0;
        int progressEvents = 0;
    };

    // Copies `source` to the alarm folder as the copy button does.
    Copy copy(const QString& source) {
        source_ = source;
        progress_ = 0;
        failed_ = false;
        const int disconnectsBefore = disconnects_;
        timeout_.start(answerTimeoutMs);
        const auto start = Clock::now();
        host_.call(QStringLiteral("Connect"), {connectTimeoutMs});
        host_.call(QStringLiteral("CreateDirectory"), {veloxcd::linkHandheld, alarmFolder});
        host_.call(QStringLiteral("GetFileInfo"), {veloxcd::linkHandheld, target});
        loop_.exec();
        timeout_.stop();
        if (failed_) {
            throw std::runtime_error("the copy to the handheld failed");
        }
        const std::chrono::duration<double, std::milli> took = copied_ - start;
        // Both Disconnects answered: the engine is idle again.
        while (disconnects_ < disconnectsBefore + 2) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        return {took.count(), progress_};
    }

private:
    veloxcd::LinkControlHost host_;
    QEventLoop loop_;
    QTimer timeout_;
    QString source_;
    Clock::time_point copied_;
    int progress_ = 0;
    int gauge_ = 0;
    int disconnects_ = 0;
    bool failed_ = false;
};

struct Outcome {
    double chainMs = 0;
    double cpMs = 0;
    int mostProgressEvents = 0;
};
std::map<qint64, Outcome>& outcomes() {
    static std::map<qint64, Outcome> all;
    return all;
}

Setting* setting = nullptr;

void AlarmCopySideBySide(benchmark::State& state) {
    const qint64 bytes = state.range(0);
    const QString source = setting->sound(bytes);
    const QString copied = velox::simulator::handheldHostPath(target);
    const QString cpCopy = velox::simulator::handheldHostPath(alarmFolder + "cp-copy");
    Link link;
    std::vector<double> chain;
    std::vector<double> cp;
    Outcome seen;
    for (auto _ : state) {
        QFile::remove(copied);
        QFile::remove(cpCopy);
        const auto cpStart = Clock::now();
        if (!run({"cp", source.toStdString(), cpCopy.toStdString()})) {
            state.SkipWithError("cp failed");
            return;
        }
        const std::chrono::duration<double, std::milli> cpTook = Clock::now() - cpStart;
        const Link::Copy c = link.copy(source);
        if (QFileInfo(copied).size() != bytes) {
            state.SkipWithError("the copy on the handheld has the wrong size");
            return;
        }
        chain.push_back(c.milliseconds);
        cp.push_back(cpTook.count());
        seen.mostProgressEvents = std::max(seen.mostProgressEvents, c.progressEvents);
        state.SetIterationTime((c.milliseconds + cpTook.count()) / 1000);
    }
    seen.chainMs = median(chain);
    seen.cpMs = median(cp);
    state.counters["chain_ms"] = seen.chainMs;
    state.counters["cp_ms"] = seen.cpMs;
    state.counters["chain_MB/s"] = static_cast<double>(bytes) / 1e3 / seen.chainMs;
    state.counters["progress_events"] = seen.mostProgressEvents;
    outcomes()[bytes] = seen;
}

BENCHMARK(AlarmCopySideBySide)
    ->Arg(64 * 1024)
    ->Arg(1024 * 1024)
    ->Arg(10 * 1024 * 1024)
    ->Iterations(15)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

std::string sizeName(qint64 bytes) {
    return bytes >= 1024 * 1024 ? std::to_string(bytes / (1024 * 1024)) + " MB"
                                : std::to_string(bytes / 1024) + " kB";
}

} // namespace

int main(int argc, char** argv) {
    velox::bench::offscreenUnlessChosen();
    try {
        Setting made;
        setting = &made;
        QApplication app(argc, argv);
        if (!velox::bench::runBenchmarks(argc, argv)) {
            return 1;
        }
        for (const auto& [bytes, o] : outcomes()) {
            if (o.chainMs <= 0) {
                continue;
            }
            std::printf("alarm copy of %s: chain %.2f ms, cp %.2f ms\n", sizeName(bytes).c_str(),
                        o.chainMs, o.cpMs);
        }
        for (const auto& [bytes, o] : outcomes()) {
            if (o.chainMs <= 0) {
                continue;
            }
            const std::string size = sizeName(bytes);
            if (bytes >= 10 * 1024 * 1024) {
                velox::bench::summarise("Alarm copy " + size + ": throughput / cp's",
                                        o.cpMs / o.chainMs, velox::bench::Bound::AtLeast, 0.8);
            }
            velox::bench::summarise("Alarm copy " + size + ": progress events per copy",
                                    o.mostProgressEvents, velox::bench::Bound::AtMost, 101);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "alarm_copy_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
