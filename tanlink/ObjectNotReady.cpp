#include "tanlink/ObjectNotReady.h"

#include "platform/com/AutomationException.h"
#include "tanlink/TanlinkResources.h"

namespace velox::tanlink {

void raiseObjectNotReady() {
    throw com::AutomationException::withCode(kObjectNotReadyCode,
                                             resourceString(IDS_OBJECT_NOT_READY));
}

} // namespace velox::tanlink
