#include "platform/win/controls/TextBox.h"

#include <QKeyEvent>

namespace velox::win {

TextBox::TextBox(const QString& name, int index, QWidget* parent)
    : QLineEdit(parent), TwipsControl(this, name, index) {
    setFrame(true);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (typed.size() == 1) {
        emit KeyPress(typed.at(0).unicode());
    }
    QLineEdit::keyPressEvent(event);
    // Esc is the box's own key: announced above, it goes no further.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
    }
}

} // namespace velox::win
