#pragma once

#include "platform/jet/JetWriter.h"

#include <QJsonArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace velox::jet::test {

// A table as text, the way the readers under comparison print it: Booleans
// as 1/0, dates as yyyy-MM-dd HH:mm:ss, numbers in their shortest form,
// NULL as an empty optional.
struct TextTable {
    QStringList columns;
    std::vector<std::vector<std::optional<QString>>> rows;
};

QString samplesDir();
QString sourceDir();
QString cell(const Value& v);

TextTable readWithOurs(const QString& path, const QString& table, const QString& password = {});
TextTable readWithMdbExport(const QString& path, const QString& table);
// mdb-reader through node; empty when node or the package is missing.
std::optional<QJsonArray> readWithMdbReader(const QString& path, const QString& table,
                                            const QString& password = {});
bool mdbReaderAvailable();

// A plan's table as text, for comparison with what the readers give.
TextTable expectedText(const TableSpec& table);

} // namespace velox::jet::test
