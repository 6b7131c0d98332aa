#pragma once

// The count of live objects of the control module: every automation object
// holds the module while it lives, so DllCanUnloadNow answers S_FALSE until
// the last one has gone.

#include "platform/com/ServerLock.h"

namespace velox::tanlink {

com::ServerLock& moduleLock() noexcept;

} // namespace velox::tanlink
