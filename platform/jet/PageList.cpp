#include "platform/jet/PageList.h"

namespace velox::jet {

QByteArray PageList::join(int pageSize) const {
    QByteArray out;
    out.reserve(static_cast<qsizetype>(pages_.size()) * pageSize);
    for (const QByteArray& page : pages_) {
        QByteArray p = page;
        p.resize(pageSize, '\0');
        out.append(p);
    }
    return out;
}

} // namespace velox::jet
