#include "platform/win/ImageBox.h"

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
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    if (picture_.size() == size()) {
        painter.drawImage(0, 0, picture_);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), picture_);
    }
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

} // namespace velox::win
