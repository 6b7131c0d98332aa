#include "tools/velox-catalogue/ResultTable.h"

#include <QRegularExpression>

namespace veloxcd::tools {

using namespace velox::jet;

QString formatResultTable(Recordset& records) {
    const QStringList names = records.fieldNames();
    std::vector<QStringList> rows;
    std::vector<qsizetype> widths;
    for (const QString& n : names) {
        widths.push_back(n.size());
    }
    static const QRegularExpression breaks(QStringLiteral("[\r\n\t]+"));
    while (!records.eof()) {
        QStringList cells;
        for (qsizetype i = 0; i < names.size(); ++i) {
            const Value& v = records.field(static_cast<int>(i));
            QString text = isNull(v) ? QStringLiteral("Null") : toText(v);
            text.replace(breaks, QStringLiteral(" "));
            widths[static_cast<std::size_t>(i)] =
                std::max(widths[static_cast<std::size_t>(i)], text.size());
            cells << text;
        }
        rows.push_back(cells);
        records.moveNext();
    }
    auto line = [&](const QStringList& cells) {
        QString out;
        for (qsizetype i = 0; i < cells.size(); ++i) {
            if (i > 0) {
                out += QStringLiteral(" | ");
            }
            out += i + 1 < cells.size()
                       ? cells[i].leftJustified(widths[static_cast<std::size_t>(i)])
                       : cells[i];
        }
        return out + QLatin1Char('\n');
    };
    QString out = line(names);
    qsizetype total = 0;
    for (qsizetype w : widths) {
        total += w;
    }
    out += QString(total + 3 * std::max<qsizetype>(0, names.size() - 1), QLatin1Char('-')) +
           QLatin1Char('\n');
    for (const QStringList& r : rows) {
        out += line(r);
    }
    out += QStringLiteral("(%1 rows)\n").arg(rows.size());
    return out;
}

} // namespace veloxcd::tools
