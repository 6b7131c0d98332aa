#pragma once

#include "platform/win/controls/ClickableControl.h"
#include "platform/win/controls/TwipsControl.h"

#include <QColor>
#include <QLabel>

namespace velox::win {

// A label: plain text from its top left corner, wrapped at its width, on a
// transparent background unless it is given a colour of its own. Made a keyboard
// button, it clicks on Space and Enter.
class Label : public ClickableControl<QLabel, Label>, public TwipsControl {
    Q_OBJECT

public:
    Label(const QString& name, int index, QWidget* parent);

    [[nodiscard]] QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

    // An opaque background in this colour.
    void setBackColor(const QColor& colour);

signals:
    void Click();
    void DblClick();
    void MouseMove();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velox::win
