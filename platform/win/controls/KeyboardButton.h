#pragma once

class QKeyEvent;
class QPainter;
class QWidget;

namespace velox::win {

// A control that answers a click (an image or a label with a Click signal) made
// into a button for the keyboard and for assistive tools: Tab reaches it (a
// mouse click does not move the focus, so nothing changes for the mouse), Space
// and Enter click it, and assistive tools see a push button whose press action
// emits its Click. Its name is its accessible name, else its caption, trimmed.
void makeKeyboardButton(QWidget* control);
[[nodiscard]] bool isKeyboardButton(const QWidget* control);

// Space, Enter or Return without a modifier.
[[nodiscard]] bool isActivationKey(const QKeyEvent& event);

// The focus frame of a keyboard button, drawn inside its rectangle. Drawn only
// while the button holds a focus that came from the keyboard.
class KeyboardFocusFrame {
public:
    // Called from the control's focus events.
    void focusIn(QWidget& control, int reason);
    void focusOut(QWidget& control, int reason);
    // Draws the frame when the control holds keyboard focus.
    void paint(QWidget& control, QPainter& painter) const;
    [[nodiscard]] bool shown(const QWidget& control) const;

private:
    bool fromKeyboard_ = false;
};

} // namespace velox::win
