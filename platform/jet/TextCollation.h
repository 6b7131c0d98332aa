#pragma once

#include <QCollatorSortKey>
#include <QString>

namespace velox::jet {

// Text order as Jet's General sort order has it: letters without regard to
// case, accented letters beside their base letters.
class TextCollation {
public:
    static int compare(const QString& a, const QString& b);
    // A key whose order is compare()'s: cheaper to compare than the texts
    // when one text meets many others, as in a sort.
    static QCollatorSortKey sortKey(const QString& text);
};

} // namespace velox::jet
