#pragma once

#include "platform/jet/Value.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace velox::jet {

// The rows of a result, each read when a recordset reaches it.
class ResultRows {
public:
    virtual ~ResultRows() = default;
    [[nodiscard]] virtual std::size_t size() const = 0;
    // The values of the row at `index`, in the result's column order, into `values`.
    virtual void read(std::size_t index, std::vector<Value>& values) const = 0;
};

// The result of a query, as DAO's Recordset presents it: a current record,
// EOF after the last, fields by name without regard to case, and a record
// count that is the number of records reached so far (greater than 0 for a
// non-empty result, exact after moveLast). The values of a record are read
// when it becomes the current one and stay valid until the next move.
class Recordset {
public:
    Recordset(QStringList fieldNames, std::unique_ptr<ResultRows> rows);

    [[nodiscard]] int recordCount() const;
    [[nodiscard]] bool eof() const;
    [[nodiscard]] bool bof() const;
    void moveFirst();
    void moveNext();
    void moveLast();
    // The value of a field of the current record: 3265 for an unknown name,
    // 3021 when there is no current record.
    [[nodiscard]] const Value& field(const QString& name) const;
    [[nodiscard]] const Value& field(int index) const;
    [[nodiscard]] const QStringList& fieldNames() const;
    void close();
    [[nodiscard]] bool isOpen() const { return open_; }

private:
    void checkOpen() const;
    [[nodiscard]] std::size_t size() const { return rows_ ? rows_->size() : 0; }
    // Moves to a record and reads it.
    void moveTo(std::size_t position);
    QStringList names_;
    std::unique_ptr<ResultRows> rows_;
    std::vector<Value> current_;
    std::size_t position_ = 0;
    std::size_t reached_ = 0;
    bool open_ = true;
};

} // namespace velox::jet
