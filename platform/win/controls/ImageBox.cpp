#include "platform/win/controls/ImageBox.h"

#include <QPainter>

namespace velox::win {

ImageBox::ImageBox(const QString& name, int index, QWidget* parent)
    : ClickableControl(parent), TwipsControl(this, name, index) {}

void ImageBox::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void ImageBox::paintEvent(QPaintEvent* /*event*/) {
    if (picture_.isNull() && !focusFrame().shown(*this)) {
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
    focusFrame().paint(*this, painter);
}

} // namespace velox::win
