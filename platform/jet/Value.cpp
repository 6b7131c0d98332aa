#include "platform/jet/Value.h"

#include <QLocale>
#include <QTimeZone>
#include <cmath>

namespace velox::jet {

namespace {
const QDateTime& epoch() {
    static const QDateTime e(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    return e;
}
constexpr double MsPerDay = 86400000.0;
} // namespace

QDateTime DateTime::toQDateTime() const {
    // Negative days count back, the fraction still runs forward from midnight.
    const double whole = std::trunc(days);
    const double fraction = std::fabs(days - whole);
    const QDateTime date = epoch().addDays(static_cast<qint64>(whole));
    return date.addMSecs(static_cast<qint64>(std::llround(fraction * MsPerDay)));
}

DateTime DateTime::fromQDateTime(const QDateTime& when) {
    const QDateTime utc(when.date(), when.time(), Qt::UTC);
    const qint64 wholeDays = epoch().date().daysTo(utc.date());
    const double fraction = utc.time().msecsSinceStartOfDay() / MsPerDay;
    return DateTime{wholeDays >= 0 ? wholeDays + fraction : wholeDays - fraction};
}

bool isNumeric(const Value& v) {
    return std::holds_alternative<bool>(v) || std::holds_alternative<qint64>(v) ||
           std::holds_alternative<double>(v) || std::holds_alternative<DateTime>(v);
}

double toDouble(const Value& v) {
    if (const auto* b = std::get_if<bool>(&v)) {
        return *b ? -1.0 : 0.0;
    }
    if (const auto* i = std::get_if<qint64>(&v)) {
        return static_cast<double>(*i);
    }
    if (const auto* d = std::get_if<double>(&v)) {
        return *d;
    }
    if (const auto* t = std::get_if<DateTime>(&v)) {
        return t->days;
    }
    return 0.0;
}

QString toText(const Value& v) {
    struct Visitor {
        QString operator()(const Null&) const { return {}; }
        QString operator()(bool b) const {
            return b ? QStringLiteral("True") : QStringLiteral("False");
        }
        QString operator()(qint64 i) const { return QString::number(i); }
        QString operator()(double d) const {
            return QString::number(d, 'g', QLocale::FloatingPointShortest);
        }
        QString operator()(const DateTime& t) const {
            return t.toQDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        }
        QString operator()(const QString& s) const { return s; }
    };
    return std::visit(Visitor{}, v);
}

} // namespace velox::jet
