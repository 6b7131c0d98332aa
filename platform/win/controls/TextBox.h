#pragma once

#include "platform/win/controls/DeferredTextWidget.h"
#include "platform/win/controls/TwipsControl.h"

class QLineEdit;

namespace velox::win {

// A one-line text box. Every typed character is announced with its character
// code before the box takes it as usual; Esc, once announced, is not passed on
// to the window. Its line editor is made when the box is first shown or its
// text is first set.
class TextBox : public DeferredTextWidget, public TwipsControl {
    Q_OBJECT

public:
    TextBox(const QString& name, int index, QWidget* parent);

    [[nodiscard]] QString Text() const;
    void setText(const QString& text);
    void clear() { setText(QString()); }

    // The line editor, made at the first call.
    QLineEdit& editor();

signals:
    void KeyPress(int keyAscii);

protected:
    QWidget* makeTextWidget() override;
};

} // namespace velox::win
