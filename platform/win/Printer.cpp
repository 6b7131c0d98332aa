#include "platform/win/Printer.h"

#include "platform/win/RuntimeError.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace velox::win {
namespace {

constexpr double twipsPerInch = 1440.0;

Printer* installed = nullptr;

QRect paperPixels(const QPrinter& device) {
    return device.pageLayout().fullRectPixels(device.resolution());
}

QRect printablePixels(const QPrinter& device) {
    return device.pageLayout().paintRectPixels(device.resolution());
}

} // namespace

Printer::Printer()
    : Printer(
          std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution)) {}

Printer::Printer(std::unique_ptr<QPrinter> device)
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
    if (!painter_->begin(device_.get())) {
        raiseError(err::PrinterError, device_->printerName());
    }
    ++record_.jobs;
    currentY_ = 0;
}

void Printer::Print(const QString& text) {
    startJob();
    record_.printed.append(text);
    const QFontMetricsF metrics(painter_->font(), device_.get());
    painter_->drawText(QPointF(0, currentY_ + metrics.ascent()), text);
    currentY_ += metrics.lineSpacing();
}

void Printer::NewPage() {
    startJob();
    if (!device_->newPage()) {
        raiseError(err::PrinterError, device_->printerName());
    }
    ++record_.newPages;
    currentY_ = 0;
}

void Printer::EndDoc() {
    ++record_.endDocs;
    if (painter_->isActive() && !painter_->end()) {
        raiseError(err::PrinterError, device_->printerName());
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

int Printer::Width() const {
    return qRound(paperPixels(*device_).width() * twipsPerInch / device_->logicalDpiX());
}

int Printer::Height() const {
    return qRound(paperPixels(*device_).height() * twipsPerInch / device_->logicalDpiY());
}

double Printer::ScaleWidth() const {
    return ScaleX(printablePixels(*device_).width(), vbPixels, scaleMode_);
}

double Printer::ScaleHeight() const {
    return ScaleY(printablePixels(*device_).height(), vbPixels, scaleMode_);
}

double Printer::ScaleX(double value, int from, int to) const {
    const int dpi = device_->logicalDpiX();
    return value / unitsPerInch(from, dpi) * unitsPerInch(to, dpi);
}

double Printer::ScaleY(double value, int from, int to) const {
    const int dpi = device_->logicalDpiY();
    return value / unitsPerInch(from, dpi) * unitsPerInch(to, dpi);
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
    const auto* printer = dynamic_cast<QPrinter*>(device);
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
