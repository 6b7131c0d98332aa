#pragma once

// The engine module's entries in HKEY_CLASSES_ROOT: both engine classes
// with InprocServer32 naming the module.

#include "platform/com/Types.h"

#include <QString>

namespace velox::simulator {

com::HRESULT registerEngineClasses(const QString& modulePath);
com::HRESULT unregisterEngineClasses();

} // namespace velox::simulator
