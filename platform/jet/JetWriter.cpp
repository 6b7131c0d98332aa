#include "platform/jet/JetWriter.h"

#include "platform/jet/CellEncoder.h"
#include "platform/jet/DataPageBuilder.h"
#include "platform/jet/DatabaseHeader.h"
#include "platform/jet/JetError.h"
#include "platform/jet/LongValueWriter.h"
#include "platform/jet/PageList.h"
#include "platform/jet/RowWriter.h"
#include "platform/jet/TableDefWriter.h"
#include "platform/jet/UsageMap.h"

#include <QSaveFile>
#include <QSet>
#include <algorithm>
#include <optional>

namespace velox::jet {

using namespace format;

namespace {

constexpr int InlineMemoLimit = 1024;
constexpr qsizetype MaxLongValue = 0xffffff;

TableDef catalogueDefinition() {
    TableDef t;
    t.name = QStringLiteral("MSysObjects");
    t.page = CatalogueTablePage;
    t.system = true;
    auto add = [&](const char* name, ColumnType type, int length = 0) {
        ColumnDef c;
        c.name = QString::fromLatin1(name);
        c.type = type;
        c.length = length;
        t.columns.push_back(c);
    };
    add("Id", ColumnType::Long);
    add("ParentId", ColumnType::Long);
    add("Name", ColumnType::Text, 510);
    add("Type", ColumnType::Integer);
    add("DateCreate", ColumnType::DateTime);
    add("DateUpdate", ColumnType::DateTime);
    add("Owner", ColumnType::Binary, 255);
    add("Flags", ColumnType::Long);
    add("Database", ColumnType::Memo);
    add("Connect", ColumnType::Memo);
    add("ForeignName", ColumnType::Text, 510);
    add("RmtInfoShort", ColumnType::Binary, 255);
    add("RmtInfoLong", ColumnType::Ole);
    add("Lv", ColumnType::Ole);
    add("LvProp", ColumnType::Ole);
    add("LvModule", ColumnType::Ole);
    add("LvExtra", ColumnType::Ole);
    TableDefWriter::layOut(t);
    return t;
}

bool isWritableType(ColumnType type) {
    switch (type) {
    case ColumnType::Boolean:
    case ColumnType::Byte:
    case ColumnType::Integer:
    case ColumnType::Long:
    case ColumnType::Double:
    case ColumnType::DateTime:
    case ColumnType::Text:
    case ColumnType::Memo:
        return true;
    default:
        return false;
    }
}

void checkName(const QString& name, const QString& what) {
    if (name.isEmpty() || name.size() > 64 || name.startsWith(QLatin1Char(' ')) ||
        name.contains(QLatin1Char('.')) || name.contains(QLatin1Char('!')) ||
        name.contains(QLatin1Char('[')) || name.contains(QLatin1Char(']')) ||
        name.contains(QLatin1Char('`'))) {
        throw JetError(errors::ConversionError,
                       QStringLiteral("'%1' is not a valid %2 name.").arg(name, what));
    }
}

TableDef definitionOf(const TableSpec& plan, std::uint32_t page) {
    checkName(plan.name, QStringLiteral("table"));
    if (plan.name.startsWith(QLatin1String("MSys"), Qt::CaseInsensitive)) {
        throw JetError(errors::ConversionError,
                       QStringLiteral("'%1' is a name reserved for system tables.").arg(plan.name));
    }
    if (plan.columns.empty() || plan.columns.size() > 255) {
        throw JetError(errors::TooManyFields,
                       QStringLiteral("Table '%1' needs 1 to 255 columns.").arg(plan.name));
    }
    TableDef t;
    t.name = plan.name;
    t.page = page;
    QSet<QString> seen;
    for (const ColumnSpec& cs : plan.columns) {
        checkName(cs.name, QStringLiteral("column"));
        if (!isWritableType(cs.type)) {
            throw JetError(
                errors::ConversionError,
                QStringLiteral("Column '%1' has a type this writer does not store.").arg(cs.name));
        }
        if (seen.contains(cs.name.toCaseFolded())) {
            throw JetError(
                errors::ConversionError,
                QStringLiteral("Table '%1' has two columns named '%2'.").arg(plan.name, cs.name));
        }
        seen.insert(cs.name.toCaseFolded());
        if (cs.type == ColumnType::Text && (cs.textLength < 1 || cs.textLength > 255)) {
            throw JetError(
                errors::FieldTooSmall,
                QStringLiteral("Text column '%1' must hold 1 to 255 characters.").arg(cs.name));
        }
        ColumnDef c;
        c.name = cs.name;
        c.type = cs.type;
        c.length = cs.type == ColumnType::Text ? cs.textLength * 2 : 0;
        t.columns.push_back(c);
    }
    TableDefWriter::layOut(t);
    return t;
}

// Writes the rows of one table onto data pages; returns the pages used.
class TableRows {
public:
    TableRows(PageList& pages, LongValueWriter& longValues, const TableDef& table)
        : pages_(pages), longValues_(longValues), table_(table) {}

    void add(const std::vector<Value>& values) {
        if (values.size() != table_.columns.size()) {
            throw JetError(errors::ConversionError,
                           QStringLiteral("A row of table '%1' has %2 values for %3 columns.")
                               .arg(table_.name)
                               .arg(values.size())
                               .arg(table_.columns.size()));
        }
        std::vector<Cell> cells;
        cells.reserve(values.size());
        std::vector<int> memos;
        for (std::size_t i = 0; i < values.size(); ++i) {
            cells.push_back(CellEncoder::encode(table_.columns[i], values[i]));
            if (isLongValueType(table_.columns[i].type) && !cells.back().null) {
                if (cells.back().bytes.size() > MaxLongValue) {
                    throw JetError(errors::FieldTooSmall,
                                   QStringLiteral("A memo of column '%1' is too long.")
                                       .arg(table_.columns[i].name));
                }
                memos.push_back(static_cast<int>(i));
            }
        }
        // Memos stay in the row while it fits, the longest move out first.
        std::vector<QByteArray> data(cells.size());
        std::vector<bool> inRow(cells.size(), false);
        for (int m : memos) {
            data[static_cast<std::size_t>(m)] = cells[static_cast<std::size_t>(m)].bytes;
            inRow[static_cast<std::size_t>(m)] =
                data[static_cast<std::size_t>(m)].size() <= InlineMemoLimit;
        }
        QByteArray row;
        for (;;) {
            for (int m : memos) {
                if (inRow[static_cast<std::size_t>(m)]) {
                    cells[static_cast<std::size_t>(m)].bytes =
                        LongValueWriter::inlineField(data[static_cast<std::size_t>(m)]);
                } else {
                    cells[static_cast<std::size_t>(m)].bytes =
                        QByteArray(LongValueHeaderSize, '\0');
                }
            }
            row = RowWriter::assembleJet4(table_, cells);
            if (row.size() <= DataPageBuilder::maxRowSize()) {
                break;
            }
            int longest = -1;
            for (int m : memos) {
                if (inRow[static_cast<std::size_t>(m)] &&
                    (longest < 0 || data[static_cast<std::size_t>(m)].size() >
                                        data[static_cast<std::size_t>(longest)].size())) {
                    longest = m;
                }
            }
            if (longest < 0) {
                throw JetError(
                    errors::FieldTooSmall,
                    QStringLiteral("A row of table '%1' is too long for a page.").arg(table_.name));
            }
            inRow[static_cast<std::size_t>(longest)] = false;
        }
        bool outside = false;
        for (int m : memos) {
            if (!inRow[static_cast<std::size_t>(m)]) {
                cells[static_cast<std::size_t>(m)].bytes =
                    longValues_.storeOutside(data[static_cast<std::size_t>(m)]);
                outside = true;
            }
        }
        if (outside) {
            row = RowWriter::assembleJet4(table_, cells);
        }
        if (!current_ || !current_->fits(row.size())) {
            flush();
            currentPage_ = pages_.reserve();
            current_.emplace(table_.page);
            used_.push_back(currentPage_);
        }
        current_->add(row);
    }

    void flush() {
        if (current_) {
            pages_.set(currentPage_, current_->bytes());
        }
        current_.reset();
    }

    [[nodiscard]] std::vector<std::uint32_t> usedPages() const { return used_; }

private:
    PageList& pages_;
    LongValueWriter& longValues_;
    const TableDef& table_;
    std::optional<DataPageBuilder> current_;
    std::uint32_t currentPage_ = 0;
    std::vector<std::uint32_t> used_;
};

// Places usage-map rows on data pages owned by no table.
class MapRows {
public:
    explicit MapRows(PageList& pages, std::uint32_t firstPage) : pages_(pages), page_(firstPage) {
        current_.emplace(0);
    }
    std::uint32_t add(const QByteArray& map) {
        if (!current_->fits(map.size())) {
            pages_.set(page_, current_->bytes());
            page_ = pages_.reserve();
            current_.emplace(0);
        }
        return page_ << 8 | static_cast<std::uint32_t>(current_->add(map));
    }
    void flush() { pages_.set(page_, current_->bytes()); }

private:
    PageList& pages_;
    std::uint32_t page_;
    std::optional<DataPageBuilder> current_;
};

// The user tables' definitions, each on a page of its own; raises 3029 for a
// name given twice (without regard to case).
std::vector<TableDef> userTables(const DatabaseSpec& plan, PageList& pages) {
    std::vector<TableDef> tables;
    QSet<QString> names;
    for (const TableSpec& ts : plan.tables) {
        tables.push_back(definitionOf(ts, pages.reserve()));
        if (names.contains(ts.name.toCaseFolded())) {
            throw JetError(errors::ConversionError,
                           QStringLiteral("There are two tables named '%1'.").arg(ts.name));
        }
        names.insert(ts.name.toCaseFolded());
    }
    return tables;
}

// The catalogue's rows: the container of tables, the catalogue itself, and
// each table. Gives the pages they fill.
std::vector<std::uint32_t> writeCatalogueRows(PageList& pages, LongValueWriter& longValues,
                                              TableDef& catalogue,
                                              const std::vector<TableDef>& tables, double created) {
    const Value when = DateTime{created};
    auto object = [&](qint64 id, qint64 parent, const QString& name, qint64 type, qint64 flags) {
        std::vector<Value> row(catalogue.columns.size(), Null{});
        row[0] = id;
        row[1] = parent;
        row[2] = name;
        row[3] = type;
        row[4] = when;
        row[5] = when;
        row[7] = flags;
        return row;
    };
    TableRows rows(pages, longValues, catalogue);
    rows.add(object(TablesContainerId, RootContainerId, QStringLiteral("Tables"), ObjectContainer,
                    static_cast<std::int32_t>(0x80000000u)));
    rows.add(object(CatalogueTablePage, TablesContainerId, catalogue.name, ObjectTable,
                    static_cast<std::int32_t>(SystemObjectFlags)));
    for (const TableDef& t : tables) {
        rows.add(object(t.page, TablesContainerId, t.name, ObjectTable, 0));
    }
    rows.flush();
    catalogue.rowCount = static_cast<std::uint32_t>(2 + tables.size());
    return rows.usedPages();
}

// A user table's rows; gives the pages they fill.
std::vector<std::uint32_t> writeTableRows(PageList& pages, LongValueWriter& longValues,
                                          TableDef& table, const TableSpec& source) {
    TableRows rows(pages, longValues, table);
    for (const auto& values : source.rows) {
        rows.add(values);
    }
    rows.flush();
    table.rowCount = static_cast<std::uint32_t>(source.rows.size());
    return rows.usedPages();
}

// Each table's maps of used and free pages, starting on `mapPage`; `used`
// holds the catalogue's pages first, then each table's.
void writeUsageMaps(PageList& pages, std::uint32_t mapPage, TableDef& catalogue,
                    std::vector<TableDef>& tables,
                    const std::vector<std::vector<std::uint32_t>>& used) {
    MapRows maps(pages, mapPage);
    catalogue.usedPages = maps.add(UsageMap::build(used[0], pages));
    catalogue.freePages = maps.add(UsageMap::empty());
    for (std::size_t i = 0; i < tables.size(); ++i) {
        tables[i].usedPages = maps.add(UsageMap::build(used[i + 1], pages));
        tables[i].freePages = maps.add(UsageMap::empty());
    }
    maps.flush();
}

} // namespace

QByteArray JetWriter::build(const DatabaseSpec& plan) {
    if (plan.password.size() > DatabaseHeader::MaxPasswordLength) {
        throw JetError(errors::NotValidPassword,
                       QStringLiteral("A database password has at most 20 characters."));
    }
    const double created = plan.creationDate != 0.0
                               ? plan.creationDate
                               : DateTime::fromQDateTime(QDateTime::currentDateTimeUtc()).days;
    PageList pages;
    pages.reserve();                               // 0: header
    const std::uint32_t mapPage = pages.reserve(); // 1: usage maps
    TableDef catalogue = catalogueDefinition();
    catalogue.page = pages.reserve(); // 2: the catalogue's definition
    std::vector<TableDef> tables = userTables(plan, pages);

    LongValueWriter longValues(pages);
    std::vector<std::vector<std::uint32_t>> used;
    used.push_back(writeCatalogueRows(pages, longValues, catalogue, tables, created));
    for (std::size_t i = 0; i < tables.size(); ++i) {
        used.push_back(writeTableRows(pages, longValues, tables[i], plan.tables[i]));
    }
    longValues.flush();
    writeUsageMaps(pages, mapPage, catalogue, tables, used);

    pages.set(catalogue.page, TableDefWriter::encodeJet4(catalogue));
    for (const TableDef& t : tables) {
        pages.set(t.page, TableDefWriter::encodeJet4(t));
    }
    DatabaseHeader header;
    header.password = plan.password;
    header.creationDate = created;
    pages.set(0, header.buildJet4());
    return pages.join(Jet4PageSize);
}

void JetWriter::write(const QString& path, const DatabaseSpec& plan) {
    const QByteArray bytes = build(plan);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw JetError(errors::CannotOpenFile,
                       QStringLiteral("Could not write '%1': %2").arg(path, file.errorString()));
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        throw JetError(errors::WriteFailed,
                       QStringLiteral("Could not write '%1': %2").arg(path, file.errorString()));
    }
}

} // namespace velox::jet
