#pragma once

#include "platform/win/controls/TwipsControl.h"

#include <QPlainTextEdit>

namespace velox::win {

// A text box of several lines with a vertical scroll bar, for text the program
// shows (the user may select and copy it).
class MultiLineTextBox : public QPlainTextEdit, public TwipsControl {
    Q_OBJECT

public:
    MultiLineTextBox(const QString& name, int index, QWidget* parent);

    [[nodiscard]] QString Text() const { return toPlainText(); }
    void setText(const QString& text) { setPlainText(text); }
};

} // namespace velox::win
