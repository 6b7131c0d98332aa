#include "catalogue/mainwindow/TextFileBox.h"

namespace veloxcd {

TextFileBox::TextFileBox(const QString& name, int index, QWidget* parent)
    : RichTextBox(parent), TwipsControl(this, name, index) {}

} // namespace veloxcd
