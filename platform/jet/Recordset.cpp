#include "platform/jet/Recordset.h"

#include "platform/jet/JetError.h"

namespace velox::jet {

namespace {
[[noreturn]] void noCurrentRecord() {
    throw JetError(errors::NoCurrentRecord, QStringLiteral("No current record."));
}
} // namespace

Recordset::Recordset(QStringList fieldNames, std::unique_ptr<ResultRows> rows)
    : names_(std::move(fieldNames)), rows_(std::move(rows)), reached_(size() == 0 ? 0 : 1) {
    if (reached_ > 0) {
        rows_->read(0, current_);
    }
}

void Recordset::moveTo(std::size_t position) {
    if (position != position_ && position < size()) {
        rows_->read(position, current_);
    }
    position_ = position;
}

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
    return position_ >= size();
}

bool Recordset::bof() const {
    checkOpen();
    return size() == 0;
}

void Recordset::moveFirst() {
    checkOpen();
    if (size() == 0) {
        noCurrentRecord();
    }
    moveTo(0);
}

void Recordset::moveNext() {
    checkOpen();
    if (position_ >= size()) {
        noCurrentRecord();
    }
    moveTo(position_ + 1);
    reached_ = std::max(reached_, std::min(position_ + 1, size()));
}

void Recordset::moveLast() {
    checkOpen();
    if (size() == 0) {
        noCurrentRecord();
    }
    moveTo(size() - 1);
    reached_ = size();
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
    if (position_ >= size()) {
        noCurrentRecord();
    }
    return current_[static_cast<std::size_t>(index)];
}

const QStringList& Recordset::fieldNames() const {
    checkOpen();
    return names_;
}

void Recordset::close() {
    checkOpen();
    open_ = false;
    rows_.reset();
    current_.clear();
}

} // namespace velox::jet
