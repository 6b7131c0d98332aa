#include "platform/win/controls/MultiLineTextBox.h"

#include <QPlainTextEdit>

namespace velox::win {

MultiLineTextBox::MultiLineTextBox(const QString& name, int index, QWidget* parent)
    : DeferredTextWidget(parent), TwipsControl(this, name, index) {}

QString MultiLineTextBox::Text() const {
    const auto* made = static_cast<const QPlainTextEdit*>(madeTextWidget());
    return made != nullptr ? made->toPlainText() : QString();
}

void MultiLineTextBox::setText(const QString& text) {
    static_cast<QPlainTextEdit&>(textWidget()).setPlainText(text);
}

QWidget* MultiLineTextBox::makeTextWidget() {
    auto* view = new QPlainTextEdit(this);
    view->setReadOnly(true);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return view;
}

} // namespace velox::win
