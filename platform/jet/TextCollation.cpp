#include "platform/jet/TextCollation.h"

#include <QCollator>

namespace velox::jet {

int TextCollation::compare(const QString& a, const QString& b) {
    thread_local const QCollator collator = [] {
        QCollator c(QLocale(QLocale::English, QLocale::UnitedStates));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        c.setIgnorePunctuation(false);
        return c;
    }();
    const int r = collator.compare(a, b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

} // namespace velox::jet
