#pragma once

#include "platform/win/controls/TwipsControl.h"

#include <QLineEdit>

namespace velox::win {

// A one-line text box. Every typed character is announced with its character
// code before the box takes it as usual; Esc, once announced, is not passed on
// to the window.
class TextBox : public QLineEdit, public TwipsControl {
    Q_OBJECT

public:
    TextBox(const QString& name, int index, QWidget* parent);

    [[nodiscard]] QString Text() const { return text(); }

signals:
    void KeyPress(int keyAscii);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace velox::win
