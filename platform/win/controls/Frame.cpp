#include "platform/win/controls/Frame.h"

#include <QMouseEvent>
#include <QPalette>

namespace velox::win {

Frame::Frame(const QString& name, int index, QWidget* parent)
    : QFrame(parent), TwipsControl(this, name, index) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    // A frame is a light panel with dark text, whatever its form's background.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(236, 236, 230));
    colours.setColor(QPalette::WindowText, QColor(24, 24, 28));
    setPalette(colours);
}

void Frame::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Click();
    }
}

} // namespace velox::win
