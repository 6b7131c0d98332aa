#include "catalogue/mainwindow/TextFileBox.h"

namespace veloxcd {

using velox::win::RichTextBox;

TextFileBox::TextFileBox(const QString& name, int index, QWidget* parent)
    : DeferredTextWidget(parent), TwipsControl(this, name, index) {}

QString TextFileBox::FileName() const {
    const RichTextBox* made = madeViewer();
    return made != nullptr ? made->fileName() : QString();
}

void TextFileBox::setFileName(const QString& windowsPath) {
    viewer().setFileName(windowsPath);
}

QString TextFileBox::toPlainText() const {
    const RichTextBox* made = madeViewer();
    return made != nullptr ? made->toPlainText() : QString();
}

RichTextBox& TextFileBox::viewer() {
    return static_cast<RichTextBox&>(textWidget());
}

QWidget* TextFileBox::makeTextWidget() {
    return new RichTextBox(this);
}

const RichTextBox* TextFileBox::madeViewer() const {
    return static_cast<const RichTextBox*>(madeTextWidget());
}

} // namespace veloxcd
