#include "platform/win/richtext/RichTextBox.h"

#include "platform/com/Ansi.h"
#include "platform/win/files/FileOps.h"
#include "platform/win/richtext/RtfReader.h"
#include "platform/win/runtime/RuntimeError.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <vector>

namespace velox::win {
namespace {

constexpr double twipsPerInch = 1440.0;
constexpr double tabStopInches = 0.5; // the box's default tab stops, every 720 twips

// The box's text laid out on a page device, one entry per line.
struct Line {
    int start; // position of its first character
    double top;
    double bottom;
    const QTextLayout* layout; // its paragraph's layout
    int number;                // its number in that layout
};

} // namespace

struct RichTextBox::Formatted {
    QPaintDevice* target = nullptr;
    double width = 0;
    std::unique_ptr<QTextDocument> document;
    std::vector<Line> lines;
};

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setTabStopDistance(logicalDpiX() * tabStopInches);
}

RichTextBox::~RichTextBox() = default;

void RichTextBox::setFileName(const QString& windowsPath) {
    QFile file(existingFile(windowsPath));
    if (!file.open(QIODevice::ReadOnly)) {
        raiseError(fileErrorNumber(file.error()), windowsPath);
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        raiseError(err::DeviceIoError, windowsPath);
    }
    setContents(bytes);
    fileName_ = windowsPath;
}

void RichTextBox::setContents(QByteArrayView bytes) {
    formatted_.reset();
    if (RtfReader::isRichText(bytes)) {
        RtfReader::read(bytes, *document());
    } else {
        QString text = velox::com::unicodeFromAnsi(bytes);
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        setPlainText(text);
    }
    moveCursor(QTextCursor::Start);
}

int RichTextBox::textLength() const {
    return document()->characterCount() - 1;
}

const RichTextBox::Formatted& RichTextBox::formattedFor(QPaintDevice* target, double width) {
    if (formatted_ && formatted_->target == target && formatted_->width == width) {
        return *formatted_;
    }
    auto formatted = std::make_unique<Formatted>();
    formatted->target = target;
    formatted->width = width;
    formatted->document.reset(document()->clone());
    QTextDocument& doc = *formatted->document;
    doc.documentLayout()->setPaintDevice(target);
    doc.setDocumentMargin(0);
    QTextOption option = doc.defaultTextOption();
    option.setTabStopDistance(target->logicalDpiX() * tabStopInches);
    doc.setDefaultTextOption(option);
    doc.setTextWidth(width);
    doc.documentLayout()->documentSize(); // lays the whole text out
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        const double blockTop = layout->position().y();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            formatted->lines.push_back({block.position() + line.textStart(), blockTop + line.y(),
                                        blockTop + line.y() + line.height(), layout, i});
        }
    }
    formatted_ = std::move(formatted);
    return *formatted_;
}

int RichTextBox::formatRange(bool render, const FormatRange* range) {
    if (range == nullptr) {
        formatted_.reset();
        return 0;
    }
    QPainter* measuring = range->hdcTarget != nullptr ? range->hdcTarget : range->hdc;
    QPaintDevice* target = measuring != nullptr ? measuring->device() : nullptr;
    const int length = textLength();
    const int first = std::clamp(range->chrg.cpMin, 0, length);
    const int last = range->chrg.cpMax < 0 ? length : std::min(range->chrg.cpMax, length);
    if (target == nullptr || first >= last) {
        return first;
    }
    const double toX = target->logicalDpiX() / twipsPerInch;
    const double toY = target->logicalDpiY() / twipsPerInch;
    const QRectF area(range->rc.left * toX, range->rc.top * toY,
                      (range->rc.right - range->rc.left) * toX,
                      (range->rc.bottom - range->rc.top) * toY);
    if (area.width() <= 0 || area.height() <= 0) {
        return first;
    }
    const Formatted& formatted = formattedFor(target, area.width());
    const std::vector<Line>& lines = formatted.lines;

    // The page starts with the line that holds the first character.
    std::size_t line = 0;
    while (line + 1 < lines.size() && lines[line + 1].start <= first) {
        ++line;
    }
    const double top = lines.empty() ? 0 : lines[line].top;
    std::size_t end = line;
    int next = last;
    for (; end < lines.size(); ++end) {
        if (lines[end].start >= last) {
            break;
        }
        if (end > line && lines[end].bottom - top > area.height()) {
            next = lines[end].start;
            break;
        }
    }

    if (render && range->hdc != nullptr) {
        // Only the page's own lines are drawn: a line that belongs to the next
        // page must not be on this one, not even clipped away.
        QPainter& painter = *range->hdc;
        painter.save();
        painter.setClipRect(area, Qt::IntersectClip);
        painter.translate(area.left(), area.top() - top);
        painter.setPen(Qt::black);
        for (std::size_t i = line; i < end; ++i) {
            lines[i].layout->lineAt(lines[i].number).draw(&painter, lines[i].layout->position());
        }
        painter.restore();
    }
    return next;
}

} // namespace velox::win
