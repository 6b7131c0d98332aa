// Statements typed by anybody, run on a small fixed table: the parser and the
// evaluator must answer each with rows or one of Jet's numbered errors.
#include "FuzzPrefix.h"
#include "platform/jet/Database.h"
#include "platform/jet/JetError.h"
#include "platform/jet/JetWriter.h"

#include <QDir>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

using velox::jet::ColumnSpec;
using velox::jet::DateTime;
using velox::jet::Null;
using velox::jet::Value;
using Type = velox::jet::format::ColumnType;

velox::jet::DatabaseSpec smallCatalogue() {
    velox::jet::TableSpec programs{QStringLiteral("VeloxFalconCD"),
                                   {ColumnSpec{QStringLiteral("Index"), Type::Long},
                                    ColumnSpec{QStringLiteral("Programmname"), Type::Text, 50},
                                    ColumnSpec{QStringLiteral("Author"), Type::Text, 50},
                                    ColumnSpec{QStringLiteral("Kategorie"), Type::Integer},
                                    ColumnSpec{QStringLiteral("machines"), Type::Byte},
                                    ColumnSpec{QStringLiteral("Preis"), Type::Double},
                                    ColumnSpec{QStringLiteral("Shareware"), Type::Boolean},
                                    ColumnSpec{QStringLiteral("Datum"), Type::DateTime},
                                    ColumnSpec{QStringLiteral("BeschreibungEnglisch"), Type::Memo}},
                                   {}};
    programs.rows = {
        {qint64{1}, QStringLiteral("Alarm"), QStringLiteral("Ann"), qint64{1}, qint64{4}, 9.5, true,
         DateTime{36000.5}, QStringLiteral("Wakes you")},
        {qint64{2}, QStringLiteral("bingo"), Null{}, qint64{2}, qint64{12}, Null{}, false, Null{},
         Null{}},
        {qint64{3}, Null{}, QStringLiteral("Ann"), Null{}, qint64{1}, 0.0, Null{}, DateTime{-1.25},
         QStringLiteral("50% off *today* [really]")},
        {qint64{4}, QStringLiteral("Zeit"), QStringLiteral("Bob's"), qint64{7}, qint64{255}, -1e300,
         true, DateTime{2958465.99}, QString(300, QLatin1Char('x'))},
    };
    velox::jet::TableSpec users{QStringLiteral("User"),
                                {ColumnSpec{QStringLiteral("ID"), Type::Long},
                                 ColumnSpec{QStringLiteral("Name"), Type::Text, 20}},
                                {{qint64{1}, QStringLiteral("Ann")}, {qint64{2}, Null{}}}};
    return {QString(), 0.0, {programs, users}};
}

velox::jet::Database& database() {
    static const std::unique_ptr<velox::jet::Database> open = [] {
        const QString path = QDir(velox::fuzz::fuzzPrefix()).filePath(QStringLiteral("sql.mdb"));
        velox::jet::JetWriter::write(path, smallCatalogue());
        return velox::jet::Database::open(path, false, true);
    }();
    return *open;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString statement =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const auto rows = database().openRecordset(statement);
        const auto fields = rows->fieldNames().size();
        for (; !rows->eof(); rows->moveNext()) {
            for (qsizetype i = 0; i < fields; ++i) {
                static_cast<void>(velox::jet::toText(rows->field(static_cast<int>(i))));
            }
        }
    } catch (const velox::jet::JetError&) {
        // Rejected with a number: what a typed statement may get.
    }
    return 0;
}
