// The catalogue's two list queries (category and search), each call opening
// the file, running the query, reading every field of every row and closing:
// our Jet reader side by side with SQLite (the same rows, the equivalent
// statements) and with the npm package mdb-reader. The search runs for a text
// few programs hold and for one nearly all do. Each runs five times; the
// ratios are taken between the medians of processor time.
#include "BenchRun.h"
#include "BenchSummary.h"
#include "catalogue/start/Catalogue.h"
#include "catalogue/start/CatalogueQueries.h"
#include "platform/jet/Database.h"
#include "platform/jet/JetWriter.h"
#include "tools/velox-catalogue/CatalogueSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <sqlite3.h>

using namespace velox::jet;

namespace {

constexpr qint16 Machine = 2;
constexpr int Category = 2;
// The search texts: one in about every twentieth program, one in nearly all.
const char* const Needles[] = {"kalender", "program"};
const char* const NeedleNames[] = {"hit-poor", "hit-rich"};
constexpr int Repetitions = 5;
const int Sizes[] = {1000, 10000, 100000};

const char* const GermanWords[] = {
    "Programm", "für",     "den",    "Handheld", "mit",    "Größe",    "Übersicht", "schnell",
    "Daten",    "und",     "Liste",  "Spiel",    "Straße", "Adressen", "einfach",   "Werkzeug",
    "Termine",  "Notizen", "Bilder", "Musik",    "Ärger",  "ohne",     "viele",     "Funktionen"};
const char* const EnglishWords[] = {"program",  "for",       "the",    "handheld", "with",  "size",
                                    "overview", "fast",      "data",   "and",      "list",  "game",
                                    "street",   "addresses", "simple", "tool",     "dates", "notes",
                                    "pictures", "music",     "many",   "features"};

QString words(QRandomGenerator& gen, const char* const* vocabulary, int count, int length,
              bool withNeedle) {
    QString out;
    while (out.size() < length) {
        if (!out.isEmpty())
            out += QLatin1Char(' ');
        out += QString::fromUtf8(vocabulary[gen.bounded(count)]);
    }
    if (withNeedle)
        out.insert(out.size() / 2, QStringLiteral(" Kalender "));
    return out;
}

struct Catalogue {
    QString jet;
    QString sqlite;
};

std::vector<std::vector<Value>> makeRows(int programs) {
    QRandomGenerator gen{static_cast<quint32>(programs)};
    std::vector<std::vector<Value>> rows;
    rows.reserve(std::size_t(programs));
    for (int i = 0; i < programs; ++i) {
        const bool hit = gen.bounded(20) == 0;
        rows.push_back({
            qint64(i + 1),
            QStringLiteral("%1 %2").arg(words(gen, EnglishWords, 22, 8, false)).arg(i),
            qint64(1 + gen.bounded(7)),
            qint64(1 + gen.bounded(63)),
            qint64(gen.bounded(500)),
            QString::number(gen.bounded(5)),
            QString::number(gen.bounded(10)),
            QString::number(gen.bounded(10)),
            words(gen, GermanWords, 24, 200 + int(gen.bounded(900)), hit),
            words(gen, EnglishWords, 22, 200 + int(gen.bounded(900)), false),
            qint64(1 + gen.bounded(3)),
            Value(Null{}),
            gen.bounded(2) ? Value(QStringLiteral("Shareware, 20 DM")) : Value(Null{}),
            QStringLiteral("free"),
            QStringLiteral("Author %1").arg(gen.bounded(500)),
        });
    }
    return rows;
}

void writeSqlite(const QString& path, const std::vector<std::vector<Value>>& rows) {
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    const auto columns = veloxcd::tools::programColumns();
    const QLatin1String table(veloxcd::ProgramsTable);
    QString create = QStringLiteral("CREATE TABLE %1 (").arg(table);
    QString insert = QStringLiteral("INSERT INTO %1 VALUES (").arg(table);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const bool text = columns[c].type == format::ColumnType::Text ||
                          columns[c].type == format::ColumnType::Memo;
        create += (c ? QStringLiteral(", ") : QString()) + QLatin1Char('"') + columns[c].name +
                  QLatin1Char('"') + (text ? QStringLiteral(" TEXT") : QStringLiteral(" INTEGER"));
        insert += c ? QStringLiteral(", ?") : QStringLiteral("?");
    }
    sqlite3_exec(db, (create + QLatin1Char(')')).toUtf8().constData(), nullptr, nullptr, nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, (insert + QLatin1Char(')')).toUtf8().constData(), -1, &st, nullptr);
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            const int at = int(c) + 1;
            if (isNull(row[c]))
                sqlite3_bind_null(st, at);
            else if (const auto* i = std::get_if<qint64>(&row[c]))
                sqlite3_bind_int64(st, at, *i);
            else {
                const QByteArray utf8 = std::get<QString>(row[c]).toUtf8();
                sqlite3_bind_text(st, at, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
            }
        }
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

QTemporaryDir& workDir() {
    static QTemporaryDir dir;
    return dir;
}

const Catalogue& catalogueOf(int programs) {
    static std::map<int, Catalogue> made;
    auto it = made.find(programs);
    if (it != made.end())
        return it->second;
    Catalogue c;
    c.jet = workDir().filePath(QStringLiteral("veloxcd-%1.db").arg(programs));
    c.sqlite = workDir().filePath(QStringLiteral("veloxcd-%1.sqlite").arg(programs));
    const auto rows = makeRows(programs);
    DatabaseSpec plan;
    plan.password = QLatin1String(veloxcd::cataloguePassword);
    TableSpec programsTable{QLatin1String(veloxcd::ProgramsTable), veloxcd::tools::programColumns(),
                            rows};
    TableSpec authors{QLatin1String(veloxcd::AuthorsTable), veloxcd::tools::authorColumns(), {}};
    plan.tables = {programsTable, authors};
    JetWriter::write(c.jet, plan);
    writeSqlite(c.sqlite, rows);
    return made.emplace(programs, c).first->second;
}

QString sqliteCategory() {
    using namespace veloxcd;
    return QStringLiteral("SELECT * FROM %1 WHERE %2 IN %3 AND %4=%5 ORDER BY %6 COLLATE NOCASE")
        .arg(QLatin1String(ProgramsTable), QLatin1String(column::machines),
             machineCodeList(Machine), QLatin1String(column::Kategorie), QString::number(Category),
             QLatin1String(column::Programmname));
}

QString sqliteSearch(const char* needle) {
    using namespace veloxcd;
    const QString like = QStringLiteral(" LIKE '%%1%'").arg(QString::fromLatin1(needle));
    QStringList terms;
    for (const char* searched : {column::Programmname, column::Author, column::BeschreibungEnglisch,
                                 column::BeschreibungDeutsch}) {
        terms << QLatin1String(searched) + like;
    }
    return QStringLiteral("SELECT * FROM %1 WHERE (").arg(QLatin1String(ProgramsTable)) +
           terms.join(QStringLiteral(" OR ")) + QLatin1Char(')');
}

qint64 jetCall(const QString& path, const QString& sql) {
    auto db = Database::open(path, false, false, veloxcd::catalogueConnect());
    auto rs = db->openRecordset(sql);
    qint64 touched = 0;
    const int fields = int(rs->fieldNames().size());
    while (!rs->eof()) {
        for (int f = 0; f < fields; ++f) {
            const Value& v = rs->field(f);
            if (const auto* s = std::get_if<QString>(&v))
                touched += s->size();
            else if (!isNull(v))
                ++touched;
        }
        rs->moveNext();
    }
    rs->close();
    db->close();
    return touched;
}

qint64 sqliteCall(const QString& path, const QString& sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr);
    qint64 touched = 0;
    const int fields = sqlite3_column_count(st);
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int f = 0; f < fields; ++f) {
            switch (sqlite3_column_type(st, f)) {
            case SQLITE_TEXT: {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, f));
                touched += QString::fromUtf8(text, sqlite3_column_bytes(st, f)).size();
                break;
            }
            case SQLITE_NULL:
                break;
            default:
                touched += sqlite3_column_int64(st, f) != 0 ? 1 : 1;
            }
        }
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return touched;
}

void BM_Jet_Category(benchmark::State& state) {
    const Catalogue& c = catalogueOf(int(state.range(0)));
    const QString sql = veloxcd::categoryQuery(Machine, Category);
    for (auto _ : state)
        benchmark::DoNotOptimize(jetCall(c.jet, sql));
}
void BM_Sqlite_Category(benchmark::State& state) {
    const Catalogue& c = catalogueOf(int(state.range(0)));
    const QString sql = sqliteCategory();
    for (auto _ : state)
        benchmark::DoNotOptimize(sqliteCall(c.sqlite, sql));
}
void BM_Jet_Search(benchmark::State& state) {
    const Catalogue& c = catalogueOf(int(state.range(0)));
    const QString sql = veloxcd::searchQuery(QString::fromLatin1(Needles[state.range(1)]));
    for (auto _ : state)
        benchmark::DoNotOptimize(jetCall(c.jet, sql));
}
void BM_Sqlite_Search(benchmark::State& state) {
    const Catalogue& c = catalogueOf(int(state.range(0)));
    const QString sql = sqliteSearch(Needles[state.range(1)]);
    for (auto _ : state)
        benchmark::DoNotOptimize(sqliteCall(c.sqlite, sql));
}

// mdb-reader runs in node, timing its own calls; the result is reported as
// the time of one iteration.
std::map<int, QJsonObject>& nodeTimes() {
    static std::map<int, QJsonObject> times;
    return times;
}

double nodeMs(int programs, const char* query) {
    auto it = nodeTimes().find(programs);
    if (it == nodeTimes().end()) {
        const Catalogue& c = catalogueOf(programs);
        QProcess node;
        node.setWorkingDirectory(QStringLiteral(VELOX_SOURCE_DIR "/tools/node"));
        const int calls = programs >= 100000 ? 1 : (programs >= 10000 ? 3 : 10);
        node.start(QStringLiteral("node"),
                   {QStringLiteral("mdb-bench.mjs"), c.jet,
                    QLatin1String(veloxcd::cataloguePassword), QString::number(calls),
                    QString::number(Machine), QString::number(Category),
                    QString::fromLatin1(Needles[0])});
        node.waitForFinished(-1);
        it = nodeTimes()
                 .emplace(programs, QJsonDocument::fromJson(node.readAllStandardOutput()).object())
                 .first;
    }
    return it->second.value(QLatin1String(query)).toDouble(-1);
}

void mdbReader(benchmark::State& state, const char* query) {
    const double ms = nodeMs(int(state.range(0)), query);
    if (ms < 0) {
        state.SkipWithError("mdb-reader is not installed (./velox setup installs it)");
        return;
    }
    for (auto _ : state)
        state.SetIterationTime(ms / 1000.0);
    const std::string cpu = std::string(query) + "-cpu";
    state.counters["cpu_ms"] = nodeMs(int(state.range(0)), cpu.c_str());
}
void BM_MdbReader_Category(benchmark::State& state) {
    mdbReader(state, "category");
}
void BM_MdbReader_Search(benchmark::State& state) {
    mdbReader(state, "search");
}

void sizes(benchmark::internal::Benchmark* b) {
    for (int n : Sizes)
        b->Arg(n);
    b->Unit(benchmark::kMillisecond)->Repetitions(Repetitions)->ReportAggregatesOnly(true);
}

void searches(benchmark::internal::Benchmark* b) {
    for (int needle = 0; needle < 2; ++needle)
        for (int n : Sizes)
            b->Args({n, needle});
    b->Unit(benchmark::kMillisecond)->Repetitions(Repetitions)->ReportAggregatesOnly(true);
}

void once(benchmark::internal::Benchmark* b) {
    for (int n : Sizes)
        b->Arg(n);
    b->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
}

BENCHMARK(BM_Jet_Category)->Apply(sizes);
BENCHMARK(BM_Sqlite_Category)->Apply(sizes);
BENCHMARK(BM_MdbReader_Category)->Apply(once);
BENCHMARK(BM_Jet_Search)->Apply(searches);
BENCHMARK(BM_Sqlite_Search)->Apply(searches);
BENCHMARK(BM_MdbReader_Search)->Apply(once);

// Collects the median processor time per call of each benchmark (the single
// run of mdb-reader's) and prints the ratios after.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.error_occurred || r.iterations <= 0)
                continue;
            const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            const bool single = r.run_type == Run::RT_Iteration && r.repetitions <= 1;
            if (!median && !single)
                continue;
            const auto cpu = r.counters.find("cpu_ms");
            cpu_[r.run_name.function_name + "/" + r.run_name.args] =
                cpu != r.counters.end() ? double(cpu->second) : r.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nMedian processor time per call, which a busy machine disturbs least\n");
        for (int n : Sizes) {
            const std::string size = std::to_string(n);
            const double jet = cpu_["BM_Jet_Category/" + size];
            const double sqlite = cpu_["BM_Sqlite_Category/" + size];
            const double mdb = cpu_["BM_MdbReader_Category/" + size];
            std::printf(
                "Category %6d programs: Jet %8.2f ms  SQLite %8.2f ms  mdb-reader %9.2f ms\n", n,
                jet, sqlite, mdb);
        }
        for (int needle = 0; needle < 2; ++needle)
            for (int n : Sizes) {
                const std::string args = std::to_string(n) + "/" + std::to_string(needle);
                const double jet = cpu_["BM_Jet_Search/" + args];
                const double sqlite = cpu_["BM_Sqlite_Search/" + args];
                std::printf("Search %-8s %6d programs: Jet %8.2f ms  SQLite %8.2f ms\n",
                            NeedleNames[needle], n, jet, sqlite);
            }
        std::printf("\n");
        for (int n : Sizes) {
            const std::string size = std::to_string(n);
            const double jet = cpu_["BM_Jet_Category/" + size];
            const double sqlite = cpu_["BM_Sqlite_Category/" + size];
            if (jet > 0 && sqlite > 0)
                velox::bench::summarise("Category query, " + size + " programs: Jet / SQLite",
                                        jet / sqlite, velox::bench::Bound::AtMost, 0.8);
        }
        const double tenThousand = cpu_["BM_Jet_Category/10000"];
        const double hundredThousand = cpu_["BM_Jet_Category/100000"];
        if (tenThousand > 0 && hundredThousand > 0)
            velox::bench::summarise("Category query: 100000 / 10000 programs",
                                    hundredThousand / tenThousand, velox::bench::Bound::AtMost, 11);
        for (int needle = 0; needle < 2; ++needle)
            for (int n : Sizes) {
                const std::string args = std::to_string(n) + "/" + std::to_string(needle);
                const double jet = cpu_["BM_Jet_Search/" + args];
                const double sqlite = cpu_["BM_Sqlite_Search/" + args];
                if (jet > 0 && sqlite > 0)
                    velox::bench::summarise("Search " + std::string(NeedleNames[needle]) + ", " +
                                                std::to_string(n) + " programs: Jet / SQLite",
                                            jet / sqlite, velox::bench::Bound::AtMost, 1.0);
            }
        const double jet = cpu_["BM_Jet_Search/10000/0"];
        const double mdb = cpu_["BM_MdbReader_Search/10000"];
        if (jet > 0 && mdb > 0)
            velox::bench::summarise("Search, 10000 programs: mdb-reader / Jet", mdb / jet,
                                    velox::bench::Bound::AtLeast, 3);
    }

private:
    std::map<std::string, double> cpu_;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    RatioReporter reporter;
    return velox::bench::runBenchmarks(argc, argv, &reporter) ? 0 : 1;
}
