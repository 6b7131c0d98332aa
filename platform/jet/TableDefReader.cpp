#include "platform/jet/TableDefReader.h"

#include "platform/jet/JetError.h"
#include "platform/jet/TextCodec.h"

#include <QSet>

namespace velox::jet {

using namespace format;

namespace {

constexpr int MaxDefinitionPages = 64;
constexpr int MaxColumns = 256;
constexpr int MaxIndexes = 1000;

[[noreturn]] void damaged(const QString& name, const char* what) {
    throw JetError(errors::UnrecognizedFormat,
                   QStringLiteral("The definition of table '%1' is damaged (%2).")
                       .arg(name, QString::fromLatin1(what)));
}

} // namespace

TableDef TableDefReader::read(const JetFile& file, std::uint32_t page, const QString& name) {
    const int pageSize = file.pageSize();
    QByteArray bytes;
    QSet<std::uint32_t> seen;
    for (std::uint32_t at = page; at != 0;) {
        if (seen.contains(at) || seen.size() >= MaxDefinitionPages) {
            damaged(name, "its pages loop");
        }
        seen.insert(at);
        const char* p = file.page(at);
        if (p == nullptr || p[0] != PageTableDefinition) {
            damaged(name, "a page is missing");
        }
        if (bytes.isEmpty()) {
            bytes.append(p, pageSize);
        } else {
            bytes.append(p + 8, pageSize - 8);
        }
        at = u32(p + 4);
    }
    const TableDefLayout& l = file.version() == Version::Jet3 ? TableDefJet3 : TableDefJet4;
    const char* d = bytes.constData();
    const qsizetype size = bytes.size();
    auto need = [&](qsizetype end) {
        if (end > size) {
            damaged(name, "it ends early");
        }
    };
    need(l.firstRealIndex);
    TableDef t;
    t.name = name;
    t.page = page;
    t.rowCount = u32(d + l.rowCount);
    t.system = d[l.tableType] == 'S';
    t.maxColumns = u16(d + l.maxColumns);
    t.varColumns = u16(d + l.varColumns);
    const int columnCount = u16(d + l.columns);
    const std::uint32_t realIndexes = u32(d + l.realIndexes);
    t.usedPages = u32(d + l.usedPages);
    t.freePages = u32(d + l.freePages);
    if (columnCount > MaxColumns || realIndexes > MaxIndexes) {
        damaged(name, "too many columns or indexes");
    }

    qsizetype at = l.firstRealIndex + static_cast<qsizetype>(realIndexes) * l.realIndexSize;
    need(at + static_cast<qsizetype>(columnCount) * l.columnSize);
    for (int i = 0; i < columnCount; ++i) {
        const char* e = d + at + static_cast<qsizetype>(i) * l.columnSize;
        ColumnDef c;
        c.type = static_cast<ColumnType>(static_cast<std::uint8_t>(e[l.colType]));
        c.number = u16(e + l.colNumber);
        c.varIndex = u16(e + l.colVarIndex);
        c.flags = static_cast<std::uint8_t>(e[l.colFlags]);
        c.miscFlags = l.colMiscFlags >= 0 ? static_cast<std::uint8_t>(e[l.colMiscFlags]) : 0;
        c.fixedOffset = u16(e + l.colFixedOffset);
        c.length = u16(e + l.colLength);
        c.scale = static_cast<std::uint8_t>(e[(file.version() == Version::Jet3 ? 9 : 11) + 1]);
        if (c.number >= 0x800 || c.varIndex >= 0x800) {
            damaged(name, "a column number is out of range");
        }
        t.columns.push_back(c);
    }
    at += static_cast<qsizetype>(columnCount) * l.columnSize;
    for (ColumnDef& c : t.columns) {
        need(at + l.nameLengthSize);
        const int length = l.nameLengthSize == 1 ? static_cast<std::uint8_t>(d[at]) : u16(d + at);
        at += l.nameLengthSize;
        need(at + length);
        c.name = TextCodec::decode(file.version(), d + at, length);
        at += length;
    }
    return t;
}

} // namespace velox::jet
