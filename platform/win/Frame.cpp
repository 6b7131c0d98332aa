#include "platform/win/Frame.h"

#include <QMouseEvent>

namespace velox::win {

Frame::Frame(const QString& name, int index, QWidget* parent)
    : QFrame(parent), TwipsControl(this, name, index) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
}

void Frame::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Click();
    }
}

} // namespace velox::win
