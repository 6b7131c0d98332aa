#pragma once

#include "platform/jet/JetFormat.h"
#include "platform/jet/Value.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace velox::jet {

struct ColumnSpec {
    QString name;
    format::ColumnType type = format::ColumnType::Long;
    int textLength = 255; // characters, for Text columns
};

struct TableSpec {
    QString name;
    std::vector<ColumnSpec> columns;
    std::vector<std::vector<Value>> rows; // one value per column
};

struct DatabaseSpec {
    QString password;          // at most 20 characters
    double creationDate = 0.0; // Jet date; 0 means now
    std::vector<TableSpec> tables;
};

// Writes Jet 4 (Access 2000 format) files: the header with the database
// password, the system catalogue, one table definition per table, data
// pages and long-value pages. Supported column types: Boolean, Byte,
// Integer, Long, Double, DateTime, Text and Memo.
class JetWriter {
public:
    // The whole file. Raises JetError for a value that does not fit its
    // column, a duplicate or invalid name, or an unsupported type.
    static QByteArray build(const DatabaseSpec& plan);
    // Builds and replaces the file at path atomically.
    static void write(const QString& path, const DatabaseSpec& plan);
};

} // namespace velox::jet
