#pragma once

#include <QWidget>

class QKeyEvent;
class QResizeEvent;
class QShowEvent;

namespace velox::win {

// A control whose text widget (a line editor, a text view) fills it and is
// made the first time the control is shown or its text is needed. Until then
// the control lays out no text: a window that starts with it hidden loads no
// font for it before its first picture. The text widget takes the control's
// name, font and focus, and the name assistive tools know it by; keys sent to
// the control reach it as keys sent to the text widget.
class DeferredTextWidget : public QWidget {
public:
    explicit DeferredTextWidget(QWidget* parent);

    // The name for assistive tools, of the control and its text widget.
    void setName(const QString& name);

protected:
    // The text widget, made at the first call by makeTextWidget.
    QWidget& textWidget();
    // The text widget when it has been made, else null.
    [[nodiscard]] QWidget* madeTextWidget() const { return textWidget_; }
    // A new text widget, parented to this control.
    virtual QWidget* makeTextWidget() = 0;

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void passOn(QKeyEvent* event);

    QWidget* textWidget_ = nullptr;
    bool passingOn_ = false;
};

} // namespace velox::win
