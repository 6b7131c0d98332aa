#include "tanlink/ObjectNotReady.h"

#include "platform/com/AutomationException.h"

namespace velox::tanlink {

QString moduleString(com::UINT id) {
    switch (id) {
    case IDS_OBJECT_NOT_READY:
        return QStringLiteral("Object not ready");
    default:
        return QString();
    }
}

void raiseObjectNotReady() {
    throw com::AutomationException::withCode(kObjectNotReadyCode,
                                             moduleString(IDS_OBJECT_NOT_READY));
}

} // namespace velox::tanlink
