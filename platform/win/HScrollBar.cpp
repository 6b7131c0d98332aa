#include "platform/win/HScrollBar.h"

namespace velox::win {

HScrollBar::HScrollBar(const QString& name, int index, QWidget* parent)
    : QScrollBar(Qt::Horizontal, parent), TwipsControl(this, name, index) {
    setPageStep(1);
    connect(this, &QScrollBar::valueChanged, this, [this] { emit Change(); });
}

} // namespace velox::win
