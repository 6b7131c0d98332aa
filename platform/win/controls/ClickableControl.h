#pragma once

#include "platform/win/controls/KeyboardButton.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace velox::win {

// What a control that answers a click does with the mouse and the keyboard, on
// the Qt widget `Widget` it is built on: Click when the left button is let go
// inside it, DblClick on a left double click, MouseMove on every move, Click on
// Space and Enter once it is a keyboard button, and the focus frame kept for a
// focus that came from the keyboard (the control draws it). `Control`, the
// control's own class, declares the three signals.
template <class Widget, class Control> class ClickableControl : public Widget {
public:
    explicit ClickableControl(QWidget* parent) : Widget(parent) { this->setMouseTracking(true); }

protected:
    [[nodiscard]] const KeyboardFocusFrame& focusFrame() const { return focusFrame_; }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton &&
            this->rect().contains(event->position().toPoint())) {
            emit control().Click();
        }
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            emit control().DblClick();
        }
    }

    void mouseMoveEvent(QMouseEvent* /*event*/) override { emit control().MouseMove(); }

    void keyPressEvent(QKeyEvent* event) override {
        if (isKeyboardButton(this) && isActivationKey(*event)) {
            event->accept();
            emit control().Click();
            return;
        }
        Widget::keyPressEvent(event);
    }

    void focusInEvent(QFocusEvent* event) override {
        focusFrame_.focusIn(*this, event->reason());
        Widget::focusInEvent(event);
    }

    void focusOutEvent(QFocusEvent* event) override {
        focusFrame_.focusOut(*this, event->reason());
        Widget::focusOutEvent(event);
    }

private:
    Control& control() { return static_cast<Control&>(*this); }

    KeyboardFocusFrame focusFrame_;
};

} // namespace velox::win
