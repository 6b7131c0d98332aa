#include "platform/win/controls/HScrollBar.h"

#include <QKeyEvent>

namespace velox::win {

HScrollBar::HScrollBar(const QString& name, int index, QWidget* parent)
    : QScrollBar(Qt::Horizontal, parent), TwipsControl(this, name, index) {
    setPageStep(1);
    connect(this, &QScrollBar::valueChanged, this, [this] { emit Change(); });
}

void HScrollBar::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Right) {
            triggerAction(SliderSingleStepAdd);
            return;
        }
        if (event->key() == Qt::Key_Left) {
            triggerAction(SliderSingleStepSub);
            return;
        }
    }
    QScrollBar::keyPressEvent(event);
}

} // namespace velox::win
