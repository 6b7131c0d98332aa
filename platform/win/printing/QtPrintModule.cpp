// libvelox-print.so: the system's default printer on Qt's printing, loaded by
// the program the first time it prints.
#include "platform/win/printing/PrintModule.h"
#include "platform/win/printing/QtPrintDevice.h"

#include <QPrinterInfo>

extern "C" Q_DECL_EXPORT velox::win::PrintDevice* veloxCreateDefaultPrintDevice() {
    return new velox::win::QtPrintDevice(
        std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution));
}
