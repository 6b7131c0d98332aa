#include "JetTestSupport.h"

#include "platform/jet/Database.h"

#include <QFile>
#include <QJsonDocument>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>

namespace velox::jet::test {

QString sourceDir() {
    return QStringLiteral(VELOX_SOURCE_DIR);
}

QString samplesDir() {
    const QString fromEnvironment = qEnvironmentVariable("VELOX_JET_SAMPLES");
    return fromEnvironment.isEmpty() ? sourceDir() + QStringLiteral("/tests/data/jet-samples")
                                     : fromEnvironment;
}

QString cell(const Value& v) {
    if (const auto* b = std::get_if<bool>(&v))
        return *b ? QStringLiteral("1") : QStringLiteral("0");
    return toText(v);
}

TextTable readWithOurs(const QString& path, const QString& table, const QString& password) {
    auto db = Database::open(path, false, true, QStringLiteral("MS Access;PWD=%1;").arg(password));
    auto rs = db->openRecordset(QStringLiteral("SELECT * FROM [%1]").arg(table));
    TextTable out;
    out.columns = rs->fieldNames();
    while (!rs->eof()) {
        std::vector<std::optional<QString>> row;
        for (qsizetype i = 0; i < out.columns.size(); ++i) {
            const Value& v = rs->field(int(i));
            row.push_back(isNull(v) ? std::nullopt : std::optional<QString>(cell(v)));
        }
        out.rows.push_back(std::move(row));
        rs->moveNext();
    }
    return out;
}

TextTable readWithMdbExport(const QString& path, const QString& table) {
    QProcess p;
    p.start(QStringLiteral("mdb-export"),
            {QStringLiteral("-Q"), QStringLiteral("-d"), QStringLiteral("\x1f"),
             QStringLiteral("-R"), QStringLiteral("\x1e"), QStringLiteral("-0"),
             QStringLiteral("\x02"), QStringLiteral("-T"), QStringLiteral("%Y-%m-%d %H:%M:%S"),
             path, table});
    p.waitForFinished(120000);
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    TextTable out;
    QStringList lines = text.split(QChar(0x1e));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(QChar(0x1f));
        if (i == 0) {
            out.columns = fields;
            continue;
        }
        std::vector<std::optional<QString>> row;
        for (const QString& f : fields)
            row.push_back(f == QStringLiteral("\x02") ? std::nullopt : std::optional<QString>(f));
        out.rows.push_back(std::move(row));
    }
    return out;
}

bool mdbReaderAvailable() {
    return QFile::exists(sourceDir() +
                         QStringLiteral("/tools/node/node_modules/mdb-reader/package.json")) &&
           !QStandardPaths::findExecutable(QStringLiteral("node")).isEmpty();
}

std::optional<QJsonArray> readWithMdbReader(const QString& path, const QString& table,
                                            const QString& password) {
    if (!mdbReaderAvailable())
        return std::nullopt;
    QProcess p;
    p.setWorkingDirectory(sourceDir() + QStringLiteral("/tools/node"));
    p.start(QStringLiteral("node"), {QStringLiteral("mdb-table.mjs"), path, table, password});
    p.waitForFinished(300000);
    const QJsonDocument doc = QJsonDocument::fromJson(p.readAllStandardOutput());
    if (!doc.isArray())
        return QJsonArray();
    return doc.array();
}

TextTable expectedText(const TableSpec& table) {
    TextTable out;
    for (const ColumnSpec& c : table.columns)
        out.columns << c.name;
    for (const auto& values : table.rows) {
        std::vector<std::optional<QString>> row;
        for (const Value& v : values)
            row.push_back(isNull(v) ? std::nullopt : std::optional<QString>(cell(v)));
        out.rows.push_back(std::move(row));
    }
    return out;
}

} // namespace velox::jet::test
