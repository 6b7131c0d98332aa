#pragma once

#include "platform/win/richtext/FormatRange.h"

#include <QByteArrayView>
#include <QString>
#include <QTextEdit>
#include <memory>

class QTextDocument;

namespace velox::win {

// The rich-text box: a read-only text view that shows a file. Setting its file
// name loads the file: a file that starts with "{\rtf" is read as rich text,
// anything else as ANSI (Windows-1252) plain text with CR LF, LF or CR line ends.
class RichTextBox : public QTextEdit {
    Q_OBJECT

public:
    explicit RichTextBox(QWidget* parent = nullptr);
    ~RichTextBox() override;

    [[nodiscard]] QString fileName() const { return fileName_; }
    // Loads a file given by its Windows path. Raises 71, 76 or 53 as any file
    // read does (and 70/75 when it cannot be opened); the box keeps what it
    // showed when the file cannot be read.
    void setFileName(const QString& windowsPath);

    // Shows the contents of a file that was read already.
    void setContents(QByteArrayView bytes);

    // The length of the box's text, each paragraph end counting one character.
    [[nodiscard]] int textLength() const;

    // Formats a range of the text into a rectangle of a page, laid out with the
    // target device's metrics, and draws it when `render` is true. Returns the
    // position of the first character that did not fit (the text length when
    // everything did). A page always takes at least one line, so a line taller
    // than the rectangle is clipped rather than left behind. A null range
    // releases the formatting the box keeps between pages, and returns 0.
    int formatRange(bool render, const FormatRange* range);

private:
    struct Formatted;

    const Formatted& formattedFor(QPaintDevice* target, double width);

    QString fileName_;
    std::unique_ptr<Formatted> formatted_;
};

} // namespace velox::win
