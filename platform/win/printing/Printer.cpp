#include "platform/win/printing/Printer.h"

#include "platform/win/printing/PrintModule.h"
#include "platform/win/runtime/Modules.h"
#include "platform/win/runtime/RuntimeError.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace velox::win {
namespace {

constexpr double twipsPerInch = 1440.0;

Printer* installed = nullptr;

// A printer's resolution is its paint device's dots per inch.
QRect paperPixels(const QPagedPaintDevice& device) {
    return device.pageLayout().fullRectPixels(device.logicalDpiX());
}

QRect printablePixels(const QPagedPaintDevice& device) {
    return device.pageLayout().paintRectPixels(device.logicalDpiX());
}

std::unique_ptr<PrintDevice> defaultPrintDevice(QString* error) {
    const auto create = reinterpret_cast<CreateDefaultPrintDevice>(moduleEntry(
        "libvelox-print.so", VELOX_PRINT_MODULE, createDefaultPrintDeviceSymbol, error));
    return std::unique_ptr<PrintDevice>(create != nullptr ? create() : nullptr);
}

} // namespace

Printer::Printer() : painter_(std::make_unique<QPainter>()) {
    device_ = defaultPrintDevice(&missing_);
}

Printer::Printer(std::unique_ptr<PrintDevice> device)
    : device_(std::move(device)), painter_(std::make_unique<QPainter>()) {}

Printer::~Printer() {
    if (painter_->isActive()) {
        painter_->end();
    }
}

void Printer::startJob() {
    if (painter_->isActive()) {
        return;
    }
    if (device_ == nullptr) {
        raiseError(err::PrinterError, missing_);
    }
    if (!painter_->begin(&device_->pages())) {
        raiseError(err::PrinterError, device_->name());
    }
    ++record_.jobs;
    currentY_ = 0;
}

void Printer::Print(const QString& text) {
    startJob();
    record_.printed.append(text);
    const QFontMetricsF metrics(painter_->font(), &device_->pages());
    painter_->drawText(QPointF(0, currentY_ + metrics.ascent()), text);
    currentY_ += metrics.lineSpacing();
}

void Printer::NewPage() {
    startJob();
    if (!device_->pages().newPage()) {
        raiseError(err::PrinterError, device_->name());
    }
    ++record_.newPages;
    currentY_ = 0;
}

void Printer::EndDoc() {
    ++record_.endDocs;
    if (painter_->isActive() && !painter_->end()) {
        raiseError(err::PrinterError, device_->name());
    }
}

void Printer::KillDoc() {
    ++record_.killDocs;
    if (painter_->isActive()) {
        device_->abort();
        painter_->end();
    }
}

void Printer::setScaleMode(int mode) {
    switch (mode) {
    case vbTwips:
    case vbPoints:
    case vbPixels:
    case vbInches:
    case vbMillimeters:
    case vbCentimeters:
        scaleMode_ = mode;
        return;
    default:
        raiseError(err::InvalidPropertyValue, QStringLiteral("ScaleMode"));
    }
}

double Printer::unitsPerInch(int mode, int dpi) const {
    switch (mode) {
    case vbPoints:
        return 72.0;
    case vbPixels:
        return dpi;
    case vbInches:
        return 1.0;
    case vbMillimeters:
        return 25.4;
    case vbCentimeters:
        return 2.54;
    default:
        return twipsPerInch;
    }
}

// Without a device: no paper, at the screen's usual 96 dpi.
QRect Printer::paper() const {
    return device_ != nullptr ? paperPixels(device_->pages()) : QRect();
}

QRect Printer::printable() const {
    return device_ != nullptr ? printablePixels(device_->pages()) : QRect();
}

int Printer::dpiX() const {
    return device_ != nullptr ? device_->pages().logicalDpiX() : 96;
}

int Printer::dpiY() const {
    return device_ != nullptr ? device_->pages().logicalDpiY() : 96;
}

int Printer::Width() const {
    return qRound(paper().width() * twipsPerInch / dpiX());
}

int Printer::Height() const {
    return qRound(paper().height() * twipsPerInch / dpiY());
}

double Printer::ScaleWidth() const {
    return ScaleX(printable().width(), vbPixels, scaleMode_);
}

double Printer::ScaleHeight() const {
    return ScaleY(printable().height(), vbPixels, scaleMode_);
}

double Printer::ScaleX(double value, int from, int to) const {
    return value / unitsPerInch(from, dpiX()) * unitsPerInch(to, dpiX());
}

double Printer::ScaleY(double value, int from, int to) const {
    return value / unitsPerInch(from, dpiY()) * unitsPerInch(to, dpiY());
}

QPainter* Printer::hDC() {
    return painter_->isActive() ? painter_.get() : nullptr;
}

Printer& printerObject() {
    if (installed != nullptr) {
        return *installed;
    }
    static Printer systemDefault;
    return systemDefault;
}

void setPrinter(Printer* printer) {
    installed = printer;
}

int GetDeviceCaps(QPainter* hdc, int index) {
    QPaintDevice* device = hdc != nullptr ? hdc->device() : nullptr;
    if (device == nullptr) {
        return 0;
    }
    const auto* printer = dynamic_cast<QPagedPaintDevice*>(device);
    const QRect paper =
        printer != nullptr ? paperPixels(*printer) : QRect(0, 0, device->width(), device->height());
    const QRect printable = printer != nullptr ? printablePixels(*printer)
                                               : QRect(0, 0, device->width(), device->height());
    switch (index) {
    case HORZRES:
        return printable.width();
    case VERTRES:
        return printable.height();
    case LOGPIXELSX:
        return device->logicalDpiX();
    case LOGPIXELSY:
        return device->logicalDpiY();
    case PHYSICALWIDTH:
        return paper.width();
    case PHYSICALHEIGHT:
        return paper.height();
    case PHYSICALOFFSETX:
        return printable.left() - paper.left();
    case PHYSICALOFFSETY:
        return printable.top() - paper.top();
    default:
        return 0;
    }
}

} // namespace velox::win
