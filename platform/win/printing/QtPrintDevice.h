#pragma once

#include "platform/win/printing/Printer.h"

#include <QPrinter>
#include <memory>
#include <utility>

namespace velox::win {

// A Qt printer as the printer object's device. Only the print module and
// tests include this: the program itself never links Qt's printing.
class QtPrintDevice : public PrintDevice {
public:
    explicit QtPrintDevice(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

    QPagedPaintDevice& pages() override { return *printer_; }
    [[nodiscard]] QString name() const override { return printer_->printerName(); }
    void abort() override { printer_->abort(); }

private:
    std::unique_ptr<QPrinter> printer_;
};

} // namespace velox::win
