#pragma once

#include "platform/win/controls/DeferredTextWidget.h"
#include "platform/win/controls/TwipsControl.h"
#include "platform/win/richtext/RichTextBox.h"

class QTextDocument;

namespace veloxcd {

// The readme viewer `txtReadme`: the platform's rich-text box placed in twips.
// Setting its file name loads the file (rich text or ANSI text) and raises the
// run-time error of the file read (53, 76, 71) when the file cannot be read.
// The rich-text box is made when the viewer is first shown or its text is
// first set.
class TextFileBox : public velox::win::DeferredTextWidget, public velox::win::TwipsControl {
    Q_OBJECT

public:
    TextFileBox(const QString& name, int index, QWidget* parent);

    [[nodiscard]] QString FileName() const;
    void setFileName(const QString& windowsPath);
    [[nodiscard]] QString toPlainText() const;
    QTextDocument* document() { return viewer().document(); }

    // The rich-text box, made at the first call.
    velox::win::RichTextBox& viewer();

protected:
    QWidget* makeTextWidget() override;

private:
    [[nodiscard]] const velox::win::RichTextBox* madeViewer() const;
};

} // namespace veloxcd
