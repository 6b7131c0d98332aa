#include "platform/win/controls/Label.h"

#include <QPainter>

namespace velox::win {

Label::Label(const QString& name, int index, QWidget* parent)
    : ClickableControl(parent), TwipsControl(this, name, index) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

void Label::setBackColor(const QColor& colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
    setAutoFillBackground(true);
}

void Label::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (focusFrame().shown(*this)) {
        QPainter painter(this);
        focusFrame().paint(*this, painter);
    }
}

} // namespace velox::win
