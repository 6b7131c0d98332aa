#include "platform/win/controls/Label.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

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

void Label::keyPressEvent(QKeyEvent* event) {
    if (isKeyboardButton(this) && isActivationKey(*event)) {
        event->accept();
        emit Click();
        return;
    }
    QLabel::keyPressEvent(event);
}

void Label::focusInEvent(QFocusEvent* event) {
    focusFrame_.focusIn(*this, event->reason());
    QLabel::focusInEvent(event);
}

void Label::focusOutEvent(QFocusEvent* event) {
    focusFrame_.focusOut(*this, event->reason());
    QLabel::focusOutEvent(event);
}

void Label::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (focusFrame_.shown(*this)) {
        QPainter painter(this);
        focusFrame_.paint(*this, painter);
    }
}

} // namespace velox::win
