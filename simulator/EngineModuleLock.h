#pragma once

// The count of live objects and server locks of the engine module.

#include "platform/com/ServerLock.h"

namespace velox::simulator {

com::ServerLock& engineModuleLock();

} // namespace velox::simulator
