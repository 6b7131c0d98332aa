#pragma once

#include <QString>

namespace velox::launcher {

// Whether a class of the prefix's registry is served by the module at
// `modulePath` (CLSID\{...}\InprocServer32 names it).
bool isModuleRegistered(const QString& modulePath);

// Registers the module in the prefix's registry as its installer would
// (DllRegisterServer), unless a class is served by it already: a first start
// registers, a start after the installation moved registers again, any other
// start writes nothing. Returns false with `error` set when registering fails.
bool ensureModuleRegistered(const QString& modulePath, QString* error);

} // namespace velox::launcher
