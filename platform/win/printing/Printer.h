#pragma once

#include "platform/win/runtime/RuntimeError.h"

#include <QRect>
#include <QStringList>
#include <memory>

class QPagedPaintDevice;
class QPainter;

namespace velox::win {

// GetDeviceCaps indexes.
inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;
inline constexpr int PHYSICALWIDTH = 110;
inline constexpr int PHYSICALHEIGHT = 111;
inline constexpr int PHYSICALOFFSETX = 112;
inline constexpr int PHYSICALOFFSETY = 113;

// Scale modes of the printer object.
enum ScaleMode : int {
    vbTwips = 1,
    vbPoints = 2,
    vbPixels = 3,
    vbInches = 5,
    vbMillimeters = 6,
    vbCentimeters = 7,
};

// A printer as the printer object drives it: a paged paint device with a name
// and a way to abandon the running job. Qt's printers are made in the print
// module (PrintModule.h), so that the program loads Qt's printing only when it
// first prints; QtPrintDevice.h wraps one for tests and the module.
class PrintDevice {
public:
    PrintDevice() = default;
    virtual ~PrintDevice() = default;
    PrintDevice(const PrintDevice&) = delete;
    PrintDevice& operator=(const PrintDevice&) = delete;

    virtual QPagedPaintDevice& pages() = 0;
    [[nodiscard]] virtual QString name() const = 0;
    virtual void abort() = 0;
};

// The printer object: one print job at a time on one printer. The first Print
// (or NewPage) starts the job; EndDoc sends it. Its device context is the
// QPainter of the running job (null between jobs). Sizes: Width and Height are
// the paper's, in twips; ScaleWidth and ScaleHeight the printable area's, in
// the scale mode's units. A printer that cannot start a job or a page raises
// run-time error 482.
//
// The object records what it was asked to do, so that tests (and anyone
// reading a log) can see how a job went.
class Printer {
public:
    struct Record {
        QStringList printed; // texts given to Print, in order
        int jobs = 0;        // jobs started
        int newPages = 0;    // NewPage calls
        int endDocs = 0;     // EndDoc calls
        int killDocs = 0;    // KillDoc calls
    };

    // The system's default printer, from the print module. Without the module
    // the printer has no paper, and starting a job raises 482.
    Printer();
    // Prints on a given device, such as a PDF file printer for tests.
    explicit Printer(std::unique_ptr<PrintDevice> device);
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    void Print(const QString& text);
    void NewPage();
    void EndDoc();
    // Abandons the running job: nothing of it is printed.
    void KillDoc();

    [[nodiscard]] int ScaleMode() const { return scaleMode_; }
    void setScaleMode(int mode);
    [[nodiscard]] int Width() const;
    [[nodiscard]] int Height() const;
    [[nodiscard]] double ScaleWidth() const;
    [[nodiscard]] double ScaleHeight() const;
    [[nodiscard]] double ScaleX(double value, int from, int to) const;
    [[nodiscard]] double ScaleY(double value, int from, int to) const;

    [[nodiscard]] QPainter* hDC();
    [[nodiscard]] const Record& record() const { return record_; }

private:
    void startJob();
    [[nodiscard]] double unitsPerInch(int mode, int dpi) const;
    // The device's paper and printable area in pixels, and its resolution.
    [[nodiscard]] QRect paper() const;
    [[nodiscard]] QRect printable() const;
    [[nodiscard]] int dpiX() const;
    [[nodiscard]] int dpiY() const;

    std::unique_ptr<PrintDevice> device_;
    QString missing_; // why there is no device
    std::unique_ptr<QPainter> painter_;
    int scaleMode_ = vbTwips;
    double currentY_ = 0;
    Record record_;
};

// The program's printer: the one installed for tests, or the default printer.
Printer& printerObject();

// Installs a printer for printerObject; nullptr restores the default printer.
void setPrinter(Printer* printer);

// GetDeviceCaps on a device context. On a printer the physical offsets are the
// distances from the paper's edges to the printable area, in device pixels.
int GetDeviceCaps(QPainter* hdc, int index);

} // namespace velox::win
