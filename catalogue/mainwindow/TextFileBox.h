#pragma once

#include "platform/win/controls/TwipsControl.h"
#include "platform/win/richtext/RichTextBox.h"

namespace veloxcd {

// The readme viewer `txtReadme`: the platform's rich-text box placed in twips.
// Setting its file name loads the file (rich text or ANSI text) and raises the
// run-time error of the file read (53, 76, 71) when the file cannot be read.
class TextFileBox : public velox::win::RichTextBox, public velox::win::TwipsControl {
    Q_OBJECT

public:
    TextFileBox(const QString& name, int index, QWidget* parent);

    [[nodiscard]] QString FileName() const { return fileName(); }
};

} // namespace veloxcd
