#pragma once

#include "platform/win/controls/TwipsControl.h"

#include <QScrollBar>

namespace velox::win {

// A horizontal scroll bar used as a slider between Min and Max.
class HScrollBar : public QScrollBar, public TwipsControl {
    Q_OBJECT

public:
    HScrollBar(const QString& name, int index, QWidget* parent);

    [[nodiscard]] int Min() const { return minimum(); }
    [[nodiscard]] int Max() const { return maximum(); }
    [[nodiscard]] int Value() const { return value(); }
    void setMin(int value) { setMinimum(value); }
    void setMax(int value) { setMaximum(value); }
    void setValue(int value) { QScrollBar::setValue(value); }

    [[nodiscard]] bool hasFont() const override { return false; }

signals:
    // The value changed.
    void Change();

protected:
    // Right and Left step up and down, as on a slider (a scroll bar's own keys
    // run the other way).
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace velox::win
