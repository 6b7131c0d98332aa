#pragma once

#include "platform/win/controls/TwipsControl.h"

#include <QPushButton>

namespace velox::win {

// A push button with a caption.
class CommandButton : public QPushButton, public TwipsControl {
    Q_OBJECT

public:
    CommandButton(const QString& name, int index, QWidget* parent);

signals:
    void Click();
};

} // namespace velox::win
