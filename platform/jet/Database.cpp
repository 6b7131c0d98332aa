#include "platform/jet/Database.h"

#include "platform/jet/Catalogue.h"
#include "platform/jet/JetError.h"
#include "platform/jet/JetFile.h"
#include "platform/jet/LongValueReader.h"
#include "platform/jet/SqlEvaluator.h"
#include "platform/jet/SqlParser.h"
#include "platform/jet/StoredRows.h"
#include "platform/jet/TableDefReader.h"
#include "platform/jet/TableScanner.h"
#include "platform/jet/TextCodec.h"
#include "platform/jet/TextCollation.h"
#include "platform/jet/ValueDecoder.h"

#include <algorithm>
#include <numeric>

namespace velox::jet {

namespace {

// The current row of a scan, each field decoded when first asked for.
class ScannedRow : public sql::RowValues {
public:
    explicit ScannedRow(const TableScanner& scan)
        : scan_(scan), values_(scan.table().columns.size()), have_(scan.table().columns.size(), 0) {
    }

    void reset() { std::fill(have_.begin(), have_.end(), 0); }

    const Value& value(int column) override {
        const auto c = static_cast<std::size_t>(column);
        if (!have_[c]) {
            values_[c] =
                ValueDecoder::decode(scan_.file(), scan_.table().columns[c], scan_.field(c));
            have_[c] = 1;
        }
        return values_[c];
    }

    std::optional<Value> like(int column, const sql::LikePattern& pattern) override {
        const auto c = static_cast<std::size_t>(column);
        const ColumnDef& def = scan_.table().columns[c];
        const bool text =
            def.type == format::ColumnType::Text || def.type == format::ColumnType::Memo;
        if (have_[c] || !text || scan_.file().version() != format::Version::Jet4) {
            return std::nullopt;
        }
        const FieldSlice field = scan_.field(c);
        if (!field.present) {
            return Value(Null{});
        }
        if (pattern.matchesAnything()) {
            return Value(true);
        }
        const FoldedSearch* const search = pattern.containedSearch();
        if (search == nullptr) {
            return std::nullopt;
        }
        QByteArrayView bytes(field.data, field.size);
        if (def.type == format::ColumnType::Memo) {
            bytes = LongValueReader::view(scan_.file(), field.data, field.size, scratch_);
        }
        return Value(search->foundIn(bytes.data(), static_cast<int>(bytes.size())));
    }

    // Follows the long values (memos, OLE objects) of the columns that are
    // not decoded yet, raising what decoding them would raise.
    void checkLongValues(const std::vector<int>& columns) {
        for (int column : columns) {
            const auto c = static_cast<std::size_t>(column);
            const format::ColumnType type = scan_.table().columns[c].type;
            if (have_[c] || (type != format::ColumnType::Memo && type != format::ColumnType::Ole)) {
                continue;
            }
            const FieldSlice field = scan_.field(c);
            if (field.present) {
                LongValueReader::view(scan_.file(), field.data, field.size, scratch_);
            }
        }
    }

private:
    const TableScanner& scan_;
    std::vector<Value> values_;
    std::vector<char> have_;
    QByteArray scratch_;
};

// One ORDER BY value of a row; a text carries its collation key, made once
// per row rather than the text being collated in every comparison.
struct OrderKey {
    Value value;
    std::optional<QCollatorSortKey> text;

    explicit OrderKey(const Value& v) : value(v) {
        if (const auto* s = std::get_if<QString>(&v)) {
            text = TextCollation::sortKey(*s);
        }
    }
};

int compareKeys(const OrderKey& a, const OrderKey& b) {
    if (a.text && b.text) {
        const int c = a.text->compare(*b.text);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    return sql::compareForOrder(a.value, b.value);
}

void ensureOpen(const std::shared_ptr<const JetFile>& file) {
    if (!file) {
        throw JetError(errors::ObjectClosed, QStringLiteral("Object invalid or no longer set."));
    }
}

[[noreturn]] void tableNotFound(const QString& name) {
    throw JetError(
        errors::TableNotFound,
        QStringLiteral("The Microsoft Jet database engine cannot find the input table or query "
                       "'%1'. Make sure it exists and that its name is spelled correctly.")
            .arg(name));
}

// Names the table lacks are parameters to Jet, and nothing supplies them:
// raises 3061 with their count. Otherwise binds the WHERE clause's names.
void bindNames(sql::SelectStatement& s, const TableDef& table) {
    int unknown = s.where ? sql::countUnknown(*s.where, table) : 0;
    for (const QString& c : std::as_const(s.columns)) {
        unknown += table.columnIndex(c) < 0 ? 1 : 0;
    }
    for (const sql::OrderItem& o : s.orderBy) {
        unknown += table.columnIndex(o.name) < 0 ? 1 : 0;
    }
    if (unknown > 0) {
        throw JetError(errors::TooFewParameters,
                       QStringLiteral("Too few parameters. Expected %1.").arg(unknown));
    }
    if (s.where) {
        sql::bind(*s.where, table);
    }
}

// The columns a statement selects, in the result's order, with the names the
// table spells them with.
struct Selection {
    std::vector<int> columns;
    QStringList names;
};

Selection selectedColumns(const sql::SelectStatement& s, const TableDef& table) {
    Selection selection;
    if (s.allColumns) {
        for (std::size_t i = 0; i < table.columns.size(); ++i) {
            selection.columns.push_back(static_cast<int>(i));
            selection.names << table.columns[i].name;
        }
    } else {
        for (const QString& c : std::as_const(s.columns)) {
            selection.columns.push_back(table.columnIndex(c));
            selection.names
                << table.columns[static_cast<std::size_t>(selection.columns.back())].name;
        }
    }
    return selection;
}

// Binds the ORDER BY items to their columns and gives those columns.
std::vector<int> orderColumns(sql::SelectStatement& s, const TableDef& table) {
    std::vector<int> keys;
    for (sql::OrderItem& o : s.orderBy) {
        o.column = table.columnIndex(o.name);
        keys.push_back(o.column);
    }
    return keys;
}

// The rows that meet the WHERE clause, with their ORDER BY keys when there are any.
struct Matches {
    std::vector<RowLocation> rows;
    std::vector<std::vector<OrderKey>> sortKeys;
};

Matches matchingRows(const JetFile& file, const TableDef& table, const sql::Expr* where,
                     const std::vector<int>& selected, const std::vector<int>& keys) {
    Matches matches;
    TableScanner scan(file, table);
    ScannedRow row(scan);
    while (scan.next()) {
        row.reset();
        if (where) {
            const auto t = sql::truth(sql::evaluate(*where, row));
            if (!t || !*t) {
                continue;
            }
        }
        row.checkLongValues(selected);
        matches.rows.push_back(scan.location());
        if (!keys.empty()) {
            std::vector<OrderKey> k;
            k.reserve(keys.size());
            for (int c : keys) {
                k.emplace_back(row.value(c));
            }
            matches.sortKeys.push_back(std::move(k));
        }
    }
    return matches;
}

// Puts the rows in ORDER BY order; rows with equal keys keep the table's order.
void sortRows(Matches& matches, const std::vector<sql::OrderItem>& orderBy) {
    std::vector<std::size_t> order(matches.rows.size());
    std::iota(order.begin(), order.end(), static_cast<std::size_t>(0));
    const auto& sortKeys = matches.sortKeys;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        for (std::size_t k = 0; k < orderBy.size(); ++k) {
            const int c = compareKeys(sortKeys[a][k], sortKeys[b][k]);
            if (c != 0) {
                return orderBy[k].descending ? c > 0 : c < 0;
            }
        }
        return false;
    });
    std::vector<RowLocation> sorted;
    sorted.reserve(matches.rows.size());
    for (std::size_t i : order) {
        sorted.push_back(matches.rows[i]);
    }
    matches.rows = std::move(sorted);
}

} // namespace

Database::~Database() = default;

QString Database::passwordOf(const QString& connect) {
    const qsizetype at = connect.indexOf(QLatin1String("PWD="), 0, Qt::CaseInsensitive);
    if (at < 0) {
        return {};
    }
    const qsizetype start = at + 4;
    const qsizetype end = connect.indexOf(QLatin1Char(';'), start);
    return connect.mid(start, end < 0 ? -1 : end - start);
}

std::unique_ptr<Database> Database::open(const QString& name, bool /*exclusive*/, bool /*readOnly*/,
                                         const QString& connect) {
    std::unique_ptr<Database> db(new Database);
    db->name_ = name;
    db->file_ = std::make_unique<JetFile>(name);
    const QString stored = db->file_->header().password;
    if (!stored.isEmpty() && stored != passwordOf(connect)) {
        throw JetError(errors::NotValidPassword, QStringLiteral("Not a valid password."));
    }
    return db;
}

const Catalogue& Database::catalogue() {
    ensureOpen(file_);
    if (!catalogue_) {
        catalogue_ = std::make_unique<Catalogue>(*file_);
    }
    return *catalogue_;
}

QStringList Database::tableNames() {
    return catalogue().tableNames();
}

void Database::close() {
    ensureOpen(file_);
    catalogue_.reset();
    file_.reset();
}

std::unique_ptr<Recordset> Database::openRecordset(const QString& statement) {
    ensureOpen(file_);
    sql::SelectStatement s = sql::parse(statement);
    const auto entry = catalogue().find(s.table);
    if (!entry) {
        tableNotFound(s.table);
    }
    TableDef table = TableDefReader::read(*file_, entry->page, entry->name);
    bindNames(s, table);
    Selection selection = selectedColumns(s, table);
    const std::vector<int> keys = orderColumns(s, table);
    Matches matches = matchingRows(*file_, table, s.where.get(), selection.columns, keys);
    if (!keys.empty()) {
        sortRows(matches, s.orderBy);
    }
    return std::make_unique<Recordset>(std::move(selection.names),
                                       std::make_unique<StoredRows>(file_, std::move(table),
                                                                    std::move(selection.columns),
                                                                    std::move(matches.rows)));
}

} // namespace velox::jet
