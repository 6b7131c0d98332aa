#pragma once

#include "platform/win/controls/ClickableControl.h"
#include "platform/win/controls/TwipsControl.h"

#include <QColor>
#include <QLabel>

namespace velox::win {

// A label: plain text from its top left corner, wrapped at its width, on a
// transparent background unless it is given a colour of its own. Made a keyboard
// button, it clicks on Space and Enter.
//
// A label that takes the focus lays its caption out as a text document; one
// that has never been shown leaves that until it is first shown, so that a
// window starting with such labels hidden loads no font for them before its
// first picture.
class Label : public ClickableControl<QLabel, Label>, public TwipsControl {
    Q_OBJECT

public:
    Label(const QString& name, int index, QWidget* parent);

    [[nodiscard]] QString Caption() const { return text(); }
    void setCaption(const QString& caption);

    // An opaque background in this colour.
    void setBackColor(const QColor& colour);

signals:
    void Click();
    void DblClick();
    void MouseMove();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Runs a step of QLabel's as for a label without the focus, which makes
    // no text document.
    template <class Step> void withoutDocument(Step step);

    bool shown_ = false;
};

} // namespace velox::win
