#include "platform/win/Label.h"

#include <QMouseEvent>

namespace velox::win {

Label::Label(const QString& name, int index, QWidget* parent)
    : QLabel(parent), TwipsControl(this, name, index) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    setMouseTracking(true);
}

void Label::setBackColor(const QColor& colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
    setAutoFillBackground(true);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Click();
    }
}

void Label::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit DblClick();
    }
}

void Label::mouseMoveEvent(QMouseEvent* /*event*/) {
    emit MouseMove();
}

} // namespace velox::win
