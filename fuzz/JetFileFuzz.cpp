// A catalogue file from a CD that nobody checked: opened without a password,
// with the catalogue's password and with another, every table read whole,
// then the four statements of the browser run on it. Every failure must be
// one of Jet's numbered errors; nothing may crash, hang or leak.
#include "FuzzPrefix.h"
#include "catalogue/start/Catalogue.h"
#include "catalogue/start/CatalogueQueries.h"
#include "platform/jet/Database.h"
#include "platform/jet/JetError.h"

#include <QDir>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace {

void readWhole(velox::jet::Recordset& rows) {
    const auto fields = rows.fieldNames().size();
    for (; !rows.eof(); rows.moveNext()) {
        for (qsizetype i = 0; i < fields; ++i) {
            static_cast<void>(velox::jet::toText(rows.field(static_cast<int>(i))));
        }
    }
    static_cast<void>(rows.recordCount());
}

void run(velox::jet::Database& database, const QString& statement) {
    try {
        readWhole(*database.openRecordset(statement));
    } catch (const velox::jet::JetError&) {
        // A statement the file cannot answer: a numbered error, as wanted.
    }
}

void readEverything(const QString& path, const QString& connect) {
    std::unique_ptr<velox::jet::Database> database;
    try {
        database = velox::jet::Database::open(path, false, true, connect);
    } catch (const velox::jet::JetError&) {
        return;
    }
    QStringList tables;
    try {
        tables = database->tableNames();
    } catch (const velox::jet::JetError&) {
    }
    for (const QString& table : tables) {
        run(*database, QStringLiteral("SELECT * FROM [") + table + QLatin1Char(']'));
    }
    for (int category = 1; category <= 7; category += 3) {
        run(*database, veloxcd::categoryQuery(4, category));
    }
    run(*database, veloxcd::programQuery(1));
    run(*database, veloxcd::authorQuery(1));
    run(*database, veloxcd::searchQuery(QStringLiteral("a")));
    database->close();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QString path =
        QDir(velox::fuzz::fuzzPrefix()).filePath(QStringLiteral("fuzz.mdb"));
    velox::fuzz::writeFuzzFile(path, reinterpret_cast<const char*>(data), size);
    readEverything(path, {});
    readEverything(path, veloxcd::catalogueConnect());
    readEverything(path, QStringLiteral("MS Access;PWD=password;"));
    return 0;
}
