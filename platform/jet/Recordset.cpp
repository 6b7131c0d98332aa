#include "platform/jet/Recordset.h"

#include "platform/jet/JetError.h"

namespace velox::jet {

namespace {
[[noreturn]] void noCurrentRecord() {
    throw JetError(errors::NoCurrentRecord, QStringLiteral("No current record."));
}
} // namespace

Recordset::Recordset(QStringList fieldNames, std::vector<std::vector<Value>> rows)
    : names_(std::move(fieldNames)), rows_(std::move(rows)), reached_(rows_.empty() ? 0 : 1) {}

void Recordset::checkOpen() const {
    if (!open_) {
        throw JetError(errors::ObjectClosed, QStringLiteral("Object invalid or no longer set."));
    }
}

int Recordset::recordCount() const {
    checkOpen();
    return static_cast<int>(reached_);
}

bool Recordset::eof() const {
    checkOpen();
    return position_ >= rows_.size();
}

bool Recordset::bof() const {
    checkOpen();
    return rows_.empty();
}

void Recordset::moveFirst() {
    checkOpen();
    if (rows_.empty()) {
        noCurrentRecord();
    }
    position_ = 0;
}

void Recordset::moveNext() {
    checkOpen();
    if (position_ >= rows_.size()) {
        noCurrentRecord();
    }
    ++position_;
    reached_ = std::max(reached_, std::min(position_ + 1, rows_.size()));
}

void Recordset::moveLast() {
    checkOpen();
    if (rows_.empty()) {
        noCurrentRecord();
    }
    position_ = rows_.size() - 1;
    reached_ = rows_.size();
}

const Value& Recordset::field(const QString& name) const {
    checkOpen();
    for (qsizetype i = 0; i < names_.size(); ++i) {
        if (names_.at(i).compare(name, Qt::CaseInsensitive) == 0) {
            return field(static_cast<int>(i));
        }
    }
    throw JetError(errors::ItemNotFound, QStringLiteral("Item not found in this collection."));
}

const Value& Recordset::field(int index) const {
    checkOpen();
    if (index < 0 || index >= names_.size()) {
        throw JetError(errors::ItemNotFound, QStringLiteral("Item not found in this collection."));
    }
    if (position_ >= rows_.size()) {
        noCurrentRecord();
    }
    return rows_[position_][static_cast<std::size_t>(index)];
}

const QStringList& Recordset::fieldNames() const {
    checkOpen();
    return names_;
}

void Recordset::close() {
    checkOpen();
    open_ = false;
    rows_.clear();
}

} // namespace velox::jet
