#include "tools/velox-catalogue/CatalogueJson.h"

#include "platform/jet/Database.h"
#include "platform/jet/JetFile.h"
#include "tools/velox-catalogue/CatalogueSchema.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace veloxcd::tools {

using namespace velox::jet;
using format::ColumnType;

namespace {

[[noreturn]] void fail(const QString& message) {
    throw JsonError(message.toStdString());
}

Value toValue(const ColumnSpec& column, const QJsonValue& json, const QString& where) {
    if (json.isNull() || json.isUndefined()) {
        return Null{};
    }
    switch (column.type) {
    case ColumnType::Long:
    case ColumnType::Integer: {
        const double d = json.toDouble(std::nan(""));
        if (!json.isDouble() || std::trunc(d) != d) {
            fail(QStringLiteral("%1: %2 must be a whole number.").arg(where, column.name));
        }
        // Beyond the range of a 64-bit number the conversion is undefined;
        // such a number fits no column anyway.
        if (std::abs(d) >= 0x1p63) {
            fail(QStringLiteral("%1: %2 is too large.").arg(where, column.name));
        }
        return static_cast<qint64>(d);
    }
    case ColumnType::Text:
    case ColumnType::Memo:
        if (!json.isString()) {
            fail(QStringLiteral("%1: %2 must be a text.").arg(where, column.name));
        }
        return json.toString();
    default:
        fail(QStringLiteral("%1: %2 has a type the JSON form does not carry.")
                 .arg(where, column.name));
    }
}

TableSpec tableFrom(const QJsonObject& root, const char* name, std::vector<ColumnSpec> columns) {
    TableSpec table;
    table.name = QString::fromLatin1(name);
    table.columns = std::move(columns);
    const QJsonValue rows = root.value(table.name);
    if (rows.isUndefined()) {
        return table;
    }
    if (!rows.isArray()) {
        fail(QStringLiteral("\"%1\" must be an array of rows.").arg(table.name));
    }
    const QJsonArray array = rows.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString where = QStringLiteral("%1 row %2").arg(table.name).arg(i + 1);
        if (!array.at(i).isObject()) {
            fail(QStringLiteral("%1 must be an object.").arg(where));
        }
        const QJsonObject object = array.at(i).toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            bool known = false;
            for (const ColumnSpec& c : table.columns) {
                known = known || c.name == it.key();
            }
            if (!known) {
                fail(QStringLiteral("%1: unknown column \"%2\".").arg(where, it.key()));
            }
        }
        std::vector<Value> values;
        for (const ColumnSpec& c : table.columns) {
            values.push_back(toValue(c, object.value(c.name), where));
        }
        table.rows.push_back(std::move(values));
    }
    return table;
}

QJsonValue toJson(const Value& v) {
    if (isNull(v)) {
        return QJsonValue::Null;
    }
    if (const auto* i = std::get_if<qint64>(&v)) {
        return static_cast<double>(*i);
    }
    if (const auto* b = std::get_if<bool>(&v)) {
        return *b;
    }
    if (const auto* d = std::get_if<double>(&v)) {
        return *d;
    }
    return toText(v);
}

} // namespace

DatabaseSpec catalogueFromJson(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        fail(QStringLiteral("not valid JSON at offset %1: %2")
                 .arg(error.offset)
                 .arg(error.errorString()));
    }
    if (!doc.isObject()) {
        fail(QStringLiteral("the catalogue must be a JSON object."));
    }
    const QJsonObject root = doc.object();
    for (auto it = root.begin(); it != root.end(); ++it) {
        if (it.key() != QLatin1String("password") && it.key() != QLatin1String(ProgramsTable) &&
            it.key() != QLatin1String(AuthorsTable)) {
            fail(QStringLiteral("unknown key \"%1\".").arg(it.key()));
        }
    }
    DatabaseSpec plan;
    plan.password = QString::fromLatin1(cataloguePassword);
    if (root.contains(QLatin1String("password"))) {
        if (!root.value(QLatin1String("password")).isString()) {
            fail(QStringLiteral("\"password\" must be a text."));
        }
        plan.password = root.value(QLatin1String("password")).toString();
    }
    plan.tables.push_back(tableFrom(root, ProgramsTable, programColumns()));
    plan.tables.push_back(tableFrom(root, AuthorsTable, authorColumns()));
    return plan;
}

QByteArray catalogueToJson(const QString& path, const QString& password) {
    auto db = Database::open(path, false, true, QStringLiteral("MS Access;PWD=%1;").arg(password));
    QJsonObject root;
    root.insert(QStringLiteral("password"), JetFile(path).header().password);
    for (const char* name : {ProgramsTable, AuthorsTable}) {
        auto rs = db->openRecordset(QStringLiteral("SELECT * FROM [%1]").arg(QLatin1String(name)));
        QJsonArray rows;
        while (!rs->eof()) {
            QJsonObject row;
            for (qsizetype i = 0; i < rs->fieldNames().size(); ++i) {
                row.insert(rs->fieldNames().at(i), toJson(rs->field(static_cast<int>(i))));
            }
            rows.append(row);
            rs->moveNext();
        }
        root.insert(QLatin1String(name), rows);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace veloxcd::tools
