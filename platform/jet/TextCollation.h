#pragma once

#include <QString>

namespace velox::jet {

// Text order as Jet's General sort order has it: letters without regard to
// case, accented letters beside their base letters.
class TextCollation {
public:
    static int compare(const QString& a, const QString& b);
};

} // namespace velox::jet
