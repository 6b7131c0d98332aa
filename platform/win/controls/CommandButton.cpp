#include "platform/win/controls/CommandButton.h"

namespace velox::win {

CommandButton::CommandButton(const QString& name, int index, QWidget* parent)
    : QPushButton(parent), TwipsControl(this, name, index) {
    connect(this, &QPushButton::clicked, this, [this] { emit Click(); });
}

} // namespace velox::win
