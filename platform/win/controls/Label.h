#pragma once

#include "platform/win/controls/KeyboardButton.h"
#include "platform/win/controls/TwipsControl.h"

#include <QColor>
#include <QLabel>

namespace velox::win {

// A label: plain text from its top left corner, wrapped at its width, on a
// transparent background unless it is given a colour of its own. Made a keyboard
// button, it clicks on Space and Enter.
class Label : public QLabel, public TwipsControl {
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
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    KeyboardFocusFrame focusFrame_;
};

} // namespace velox::win
