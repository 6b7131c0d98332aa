#pragma once

#include <QString>

namespace velox::com {

// The absolute path of the loaded module (shared library or program) that
// holds `address`; a module passes the address of one of its own functions
// to learn where it was loaded from, as GetModuleFileName does on Windows.
QString modulePathOf(const void* address);

} // namespace velox::com
