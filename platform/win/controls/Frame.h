#pragma once

#include "platform/win/controls/TwipsControl.h"

#include <QFrame>

namespace velox::win {

// A frame: a panel that holds other controls, placed relative to it.
class Frame : public QFrame, public TwipsControl {
    Q_OBJECT

public:
    Frame(const QString& name, int index, QWidget* parent);

signals:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace velox::win
