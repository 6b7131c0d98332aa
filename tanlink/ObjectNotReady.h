#pragma once

// The one automation exception of the automation objects: code 0xFFFF with
// the module's string 101, "Object not ready". The host sees it as a
// run-time error from the call.

#include "platform/com/Types.h"

namespace velox::tanlink {

inline constexpr com::WORD kObjectNotReadyCode = 0xFFFF;
inline constexpr com::UINT IDS_OBJECT_NOT_READY = 101;

[[noreturn]] void raiseObjectNotReady();

} // namespace velox::tanlink
