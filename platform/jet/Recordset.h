#pragma once

#include "platform/jet/Value.h"

#include <QStringList>
#include <vector>

namespace velox::jet {

// The result of a query, as DAO's Recordset presents it: a current record,
// EOF after the last, fields by name without regard to case, and a record
// count that is the number of records reached so far (greater than 0 for a
// non-empty result, exact after moveLast).
class Recordset {
public:
    Recordset(QStringList fieldNames, std::vector<std::vector<Value>> rows);

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
    QStringList names_;
    std::vector<std::vector<Value>> rows_;
    std::size_t position_ = 0;
    std::size_t reached_ = 0;
    bool open_ = true;
};

} // namespace velox::jet
