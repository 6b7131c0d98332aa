#include "platform/jet/CellEncoder.h"

#include "platform/jet/JetError.h"
#include "platform/jet/TextCodec.h"

#include <cmath>
#include <limits>

namespace velox::jet {

using namespace format;

namespace {

[[noreturn]] void mismatch(const ColumnDef& column, const Value& value) {
    throw JetError(
        errors::ConversionError,
        QStringLiteral("The value '%1' does not fit column '%2'.").arg(toText(value), column.name));
}

qint64 integral(const ColumnDef& column, const Value& value, qint64 low, qint64 high) {
    qint64 n = 0;
    if (const auto* i = std::get_if<qint64>(&value)) {
        n = *i;
    } else if (const auto* b = std::get_if<bool>(&value)) {
        n = *b ? -1 : 0;
    } else if (const auto* d = std::get_if<double>(&value);
               d && std::isfinite(*d) && std::trunc(*d) == *d && std::fabs(*d) < 9.0e15) {
        n = static_cast<qint64>(*d);
    } else {
        mismatch(column, value);
    }
    if (n < low || n > high) {
        mismatch(column, value);
    }
    return n;
}

QByteArray little(qint64 n, int bytes) {
    QByteArray out(bytes, '\0');
    for (int i = 0; i < bytes; ++i) {
        out[i] = static_cast<char>((static_cast<quint64>(n) >> (8 * i)) & 0xff);
    }
    return out;
}

QByteArray doubleBytes(double d) {
    QByteArray out(8, '\0');
    std::memcpy(out.data(), &d, 8);
    return out;
}

} // namespace

Cell CellEncoder::encode(const ColumnDef& column, const Value& value) {
    Cell cell;
    if (isNull(value)) {
        return cell;
    }
    cell.null = false;
    switch (column.type) {
    case ColumnType::Boolean:
        if (const auto* b = std::get_if<bool>(&value)) {
            cell.flag = *b;
        } else {
            cell.flag = integral(column, value, std::numeric_limits<qint64>::min(),
                                 std::numeric_limits<qint64>::max()) != 0;
        }
        break;
    case ColumnType::Byte:
        cell.bytes = little(integral(column, value, 0, 255), 1);
        break;
    case ColumnType::Integer:
        cell.bytes = little(integral(column, value, -32768, 32767), 2);
        break;
    case ColumnType::Long:
        cell.bytes = little(integral(column, value, std::numeric_limits<qint32>::min(),
                                     std::numeric_limits<qint32>::max()),
                            4);
        break;
    case ColumnType::Double:
        if (!isNumeric(value) || std::holds_alternative<DateTime>(value)) {
            mismatch(column, value);
        }
        cell.bytes = doubleBytes(std::holds_alternative<bool>(value) ? toDouble(value)
                                 : std::holds_alternative<qint64>(value)
                                     ? static_cast<double>(std::get<qint64>(value))
                                     : std::get<double>(value));
        break;
    case ColumnType::DateTime:
        if (const auto* t = std::get_if<DateTime>(&value)) {
            cell.bytes = doubleBytes(t->days);
        } else if (const auto* s = std::get_if<QString>(&value)) {
            const QDateTime when = QDateTime::fromString(*s, Qt::ISODate);
            if (!when.isValid()) {
                mismatch(column, value);
            }
            cell.bytes = doubleBytes(DateTime::fromQDateTime(when).days);
        } else {
            mismatch(column, value);
        }
        break;
    case ColumnType::Text: {
        const QString text = isText(value) ? std::get<QString>(value) : toText(value);
        if (text.size() > column.length / 2) {
            throw JetError(
                errors::FieldTooSmall,
                QStringLiteral("The text '%1' is longer than the %2 characters of column '%3'.")
                    .arg(text.left(40))
                    .arg(column.length / 2)
                    .arg(column.name));
        }
        cell.bytes = TextCodec::encodeJet4(text, true);
        break;
    }
    case ColumnType::Memo: {
        const QString text = isText(value) ? std::get<QString>(value) : toText(value);
        cell.bytes = TextCodec::encodeJet4(text, true);
        break;
    }
    default:
        mismatch(column, value);
    }
    return cell;
}

} // namespace velox::jet
