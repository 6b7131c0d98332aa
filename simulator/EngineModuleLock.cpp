#include "simulator/EngineModuleLock.h"

namespace velox::simulator {

com::ServerLock& engineModuleLock() {
    static com::ServerLock lock;
    return lock;
}

} // namespace velox::simulator
