#include "tanlink/ModuleLock.h"

namespace velox::tanlink {

com::ServerLock& moduleLock() noexcept {
    static com::ServerLock lock;
    return lock;
}

} // namespace velox::tanlink
