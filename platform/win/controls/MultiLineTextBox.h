#pragma once

#include "platform/win/controls/DeferredTextWidget.h"
#include "platform/win/controls/TwipsControl.h"

namespace velox::win {

// A text box of several lines with a vertical scroll bar, for text the program
// shows (the user may select and copy it). Its text view is made when the box
// is first shown or its text is first set.
class MultiLineTextBox : public DeferredTextWidget, public TwipsControl {
    Q_OBJECT

public:
    MultiLineTextBox(const QString& name, int index, QWidget* parent);

    [[nodiscard]] QString Text() const;
    void setText(const QString& text);

protected:
    QWidget* makeTextWidget() override;
};

} // namespace velox::win
