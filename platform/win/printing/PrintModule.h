#pragma once

#include "platform/win/printing/Printer.h"

// Qt's printing (and the print system's client libraries it brings in) is
// loaded only when the program first prints: the default printer is made in
// the module "libvelox-print.so" (see Modules.h).

namespace velox::win {

// The module's one entry point: makes the system's default printer. The
// caller owns it.
using CreateDefaultPrintDevice = PrintDevice* (*)();
inline constexpr const char* createDefaultPrintDeviceSymbol = "veloxCreateDefaultPrintDevice";

} // namespace velox::win
