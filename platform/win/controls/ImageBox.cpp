#include "platform/win/controls/ImageBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace velox::win {

ImageBox::ImageBox(const QString& name, int index, QWidget* parent)
    : QWidget(parent), TwipsControl(this, name, index) {
    setMouseTracking(true);
}

void ImageBox::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void ImageBox::paintEvent(QPaintEvent* /*event*/) {
    if (picture_.isNull() && !focusFrame_.shown(*this)) {
        return;
    }
    QPainter painter(this);
    if (!picture_.isNull()) {
        if (picture_.size() == size()) {
            painter.drawImage(0, 0, picture_);
        } else {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(rect(), picture_);
        }
    }
    focusFrame_.paint(*this, painter);
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Click();
    }
}

void ImageBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit DblClick();
    }
}

void ImageBox::mouseMoveEvent(QMouseEvent* /*event*/) {
    emit MouseMove();
}

void ImageBox::keyPressEvent(QKeyEvent* event) {
    if (isKeyboardButton(this) && isActivationKey(*event)) {
        event->accept();
        emit Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ImageBox::focusInEvent(QFocusEvent* event) {
    focusFrame_.focusIn(*this, event->reason());
    QWidget::focusInEvent(event);
}

void ImageBox::focusOutEvent(QFocusEvent* event) {
    focusFrame_.focusOut(*this, event->reason());
    QWidget::focusOutEvent(event);
}

} // namespace velox::win
