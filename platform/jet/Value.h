#pragma once

#include <QDateTime>
#include <QString>
#include <variant>

namespace velox::jet {

// A Date/Time value as Jet stores it: days since 30 December 1899, the
// fraction being the time of day.
struct DateTime {
    double days = 0.0;

    [[nodiscard]] QDateTime toQDateTime() const;
    static DateTime fromQDateTime(const QDateTime& when);
    friend bool operator==(const DateTime&, const DateTime&) = default;
};

struct Null {
    friend bool operator==(const Null&, const Null&) = default;
};

// The value of one field: NULL is a value of its own, as in DAO.
using Value = std::variant<Null, bool, qint64, double, DateTime, QString>;

[[nodiscard]] inline bool isNull(const Value& v) {
    return std::holds_alternative<Null>(v);
}
[[nodiscard]] inline bool isText(const Value& v) {
    return std::holds_alternative<QString>(v);
}
[[nodiscard]] bool isNumeric(const Value& v);
// Numeric value of bool (True is -1, as in Jet), integer, double or date.
[[nodiscard]] double toDouble(const Value& v);
// The value as text the way a report shows it; NULL gives an empty text.
[[nodiscard]] QString toText(const Value& v);

} // namespace velox::jet
