// The three browsing handlers on catalogues of 1,000 and 10,000 programs, each
// beside the bare catalogue query it runs, from click to filled list.
#include "BenchRun.h"
#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "catalogue/start/Catalogue.h"
#include "catalogue/start/CatalogueQueries.h"
#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/ProgramState.h"
#include "platform/jet/JetWriter.h"
#include "platform/win/controls/ListBox.h"
#include "platform/win/controls/TextBox.h"
#include "tools/velox-catalogue/CatalogueSchema.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

using velox::jet::Null;
using velox::jet::Value;

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

// A prefix whose drive D: is a CD folder, a system folder with the catalogue's
// working copy, and a main window over them. Program i runs on every machine
// and lies in category 1; every tenth carries "Chess" in its description.
class World {
public:
    explicit World(int programs) {
        activate();
        writeFile(prefix_.filePath(QStringLiteral("drives")),
                  ("D: cdrom " + cd_.path() + "\n").toLocal8Bit());
        QDir(cd_.path()).mkpath(QStringLiteral("Pictures"));
        QDir(cd_.path()).mkpath(QStringLiteral("Programs/0"));
        QImage picture(8, 4, QImage::Format_RGB32);
        picture.fill(Qt::white);
        for (const char* name : {"HauptschirmFalcon", "SearchFalcon"}) {
            picture.save(cd_.filePath(QStringLiteral("Pictures/%1.gif").arg(QLatin1String(name))),
                         "PNG");
        }
        writeFile(cd_.filePath(QStringLiteral("Programs/0/PROGRAM.KIT")), QByteArray(1152, 'k'));
        writeFile(cd_.filePath(QStringLiteral("Programs/0/READ.ME")), "read me");
        picture.save(cd_.filePath(QStringLiteral("Programs/0/Screen.gif")), "PNG");

        veloxcd::cdDrive = QStringLiteral("D:");
        veloxcd::machine = 2;
        veloxcd::language = 1;
        veloxcd::loadTexts();
        writeCatalogue(programs);
        window = std::make_unique<veloxcd::VeloxCDMainFormFalcon>();
    }

    // Points the prefix and the system folder at this world.
    void activate() const {
        qputenv("VELOX_PREFIX", prefix_.path().toLocal8Bit());
        veloxcd::systemDir = system_.path();
    }

    std::unique_ptr<veloxcd::VeloxCDMainFormFalcon> window;

private:
    void writeCatalogue(int programs) const {
        using namespace veloxcd::tools;
        velox::jet::DatabaseSpec plan;
        plan.password = QLatin1String(veloxcd::cataloguePassword);
        velox::jet::TableSpec table{QLatin1String(veloxcd::ProgramsTable), programColumns(), {}};
        for (int i = 0; i < programs; ++i) {
            std::vector<Value> row;
            for (const auto& column : table.columns) {
                const QString& name = column.name;
                if (name == QLatin1String(veloxcd::column::Index)) {
                    row.emplace_back(qint64{i});
                } else if (name == QLatin1String(veloxcd::column::Programmname)) {
                    row.emplace_back(QStringLiteral("Program %1").arg((i * 7919) % programs));
                } else if (name == QLatin1String(veloxcd::column::Kategorie)) {
                    row.emplace_back(qint64{1});
                } else if (name == QLatin1String(veloxcd::column::machines)) {
                    row.emplace_back(qint64{15});
                } else if (name == QLatin1String(veloxcd::column::AuthorID)) {
                    row.emplace_back(qint64{1});
                } else if (name == QLatin1String(veloxcd::column::Verzeichnis)) {
                    row.emplace_back(QStringLiteral("\\Programs\\%1\\").arg(i));
                } else if (name == QLatin1String(veloxcd::column::BeschreibungEnglisch)) {
                    row.emplace_back(i % 10 == 0
                                         ? QStringLiteral("A game of Chess, number %1").arg(i)
                                         : QStringLiteral("A tool, number %1").arg(i));
                } else if (name == QLatin1String(veloxcd::column::cost)) {
                    row.emplace_back(QStringLiteral("Free"));
                } else {
                    row.emplace_back(Null{});
                }
            }
            table.rows.push_back(std::move(row));
        }
        velox::jet::TableSpec authors{QLatin1String(veloxcd::AuthorsTable), authorColumns(), {}};
        authors.rows.push_back({qint64{1}, QStringLiteral("Maker"), QStringLiteral("Lee"),
                                QStringLiteral("Ann"), QStringLiteral("ann@example.org"),
                                QStringLiteral("n/a")});
        plan.tables = {table, authors};
        velox::jet::JetWriter::write(system_.filePath(QStringLiteral("aengdeu.dll")), plan);
    }

    QTemporaryDir prefix_;
    QTemporaryDir cd_;
    QTemporaryDir system_;
};

// Made at their first benchmark and kept for the others; main drops them while
// the application still exists, since each holds a window.
std::map<int, std::unique_ptr<World>>& worlds() {
    static std::map<int, std::unique_ptr<World>> made;
    return made;
}

World& world(int programs) {
    auto& found = worlds()[programs];
    if (!found) {
        found = std::make_unique<World>(programs);
    }
    found->activate();
    return *found;
}

// Running a statement and reading two fields of every record: what each
// handler costs at least.
int readAll(const QString& statement) {
    veloxcd::openCatalogue(statement);
    int read = 0;
    auto& result = *veloxcd::catalogueRs;
    for (result.moveFirst(); !result.eof(); result.moveNext()) {
        benchmark::DoNotOptimize(result.field(0));
        benchmark::DoNotOptimize(result.field(1));
        ++read;
    }
    veloxcd::closeCatalogue();
    return read;
}

void CategoryQuery(benchmark::State& state) {
    world(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(readAll(veloxcd::categoryQuery(2, 1)));
    }
}

void CategoryListing(benchmark::State& state) {
    World& w = world(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        w.window->Kategorie_Click(0);
    }
    state.counters["rows"] = w.window->lstPrograms->ListCount();
}

void ProgramQuery(benchmark::State& state) {
    world(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(readAll(veloxcd::programQuery(0)));
        benchmark::DoNotOptimize(readAll(veloxcd::authorQuery(1)));
    }
}

void ProgramDetails(benchmark::State& state) {
    World& w = world(static_cast<int>(state.range(0)));
    w.window->Kategorie_Click(0);
    w.window->lstPrograms->setListIndex(0);
    for (auto _ : state) {
        w.window->lstPrograms_Click();
    }
}

void SearchQuery(benchmark::State& state) {
    world(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(readAll(veloxcd::searchQuery(QStringLiteral("chess"))));
    }
}

void Search(benchmark::State& state) {
    World& w = world(static_cast<int>(state.range(0)));
    w.window->txtSearch->setText(QStringLiteral("chess"));
    for (auto _ : state) {
        w.window->Search_Click();
        w.window->txtSearch_KeyPress(13);
    }
    state.counters["rows"] = w.window->lstPrograms->ListCount();
}

} // namespace

BENCHMARK(CategoryQuery)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(CategoryListing)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(ProgramQuery)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(ProgramDetails)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchQuery)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(Search)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    velox::bench::offscreenUnlessChosen();
    QApplication app(argc, argv);
    const bool ran = velox::bench::runBenchmarks(argc, argv);
    worlds().clear();
    return ran ? 0 : 1;
}
