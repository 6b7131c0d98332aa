#include "platform/win/controls/Label.h"

#include <QEvent>
#include <QPainter>
#include <QShowEvent>

namespace velox::win {

Label::Label(const QString& name, int index, QWidget* parent)
    : ClickableControl(parent), TwipsControl(this, name, index) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

template <class Step> void Label::withoutDocument(Step step) {
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(Qt::NoFocus);
    step();
    setFocusPolicy(policy);
}

void Label::setCaption(const QString& caption) {
    if (shown_) {
        setText(caption);
    } else {
        withoutDocument([&] { setText(caption); });
    }
}

bool Label::event(QEvent* event) {
    if (event->type() == QEvent::Polish && !shown_) {
        bool handled = false;
        withoutDocument([&] { handled = ClickableControl::event(event); });
        return handled;
    }
    return ClickableControl::event(event);
}

// Shown for the first time, a label that takes the focus gets the text
// document it would have had all along.
void Label::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        if (focusPolicy() != Qt::NoFocus && !text().isEmpty()) {
            const QString caption = text();
            clear();
            setText(caption);
        }
    }
    ClickableControl::showEvent(event);
}

void Label::setBackColor(const QColor& colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
    setAutoFillBackground(true);
}

void Label::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (focusFrame().shown(*this)) {
        QPainter painter(this);
        focusFrame().paint(*this, painter);
    }
}

} // namespace velox::win
