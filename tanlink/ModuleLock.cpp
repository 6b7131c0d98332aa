#include "tanlink/ModuleLock.h"

namespace velox::tanlink {

com::ServerLock& moduleLock() {
    static com::ServerLock lock;
    return lock;
}

} // namespace velox::tanlink
