#include "platform/win/controls/MultiLineTextBox.h"

namespace velox::win {

MultiLineTextBox::MultiLineTextBox(const QString& name, int index, QWidget* parent)
    : QPlainTextEdit(parent), TwipsControl(this, name, index) {
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

} // namespace velox::win
