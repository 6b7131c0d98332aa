#include "platform/jet/TextCollation.h"

#include <QCollator>

namespace velox::jet {

namespace {

const QCollator& collator() {
    thread_local const QCollator c = [] {
        QCollator made(QLocale(QLocale::English, QLocale::UnitedStates));
        made.setCaseSensitivity(Qt::CaseInsensitive);
        made.setNumericMode(false);
        made.setIgnorePunctuation(false);
        return made;
    }();
    return c;
}

} // namespace

int TextCollation::compare(const QString& a, const QString& b) {
    const int r = collator().compare(a, b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

QCollatorSortKey TextCollation::sortKey(const QString& text) {
    return collator().sortKey(text);
}

} // namespace velox::jet
