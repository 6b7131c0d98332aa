#include "platform/win/controls/TextBox.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace velox::win {
namespace {

// The box's line editor: it announces every typed character through the box.
class AnnouncingEditor : public QLineEdit {
public:
    explicit AnnouncingEditor(TextBox& box) : QLineEdit(&box), box_(box) { setFrame(true); }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QString typed = event->text();
        if (typed.size() == 1) {
            emit box_.KeyPress(typed.at(0).unicode());
        }
        QLineEdit::keyPressEvent(event);
        // Esc is the box's own key: announced above, it goes no further.
        if (event->key() == Qt::Key_Escape) {
            event->accept();
        }
    }

private:
    TextBox& box_;
};

} // namespace

TextBox::TextBox(const QString& name, int index, QWidget* parent)
    : DeferredTextWidget(parent), TwipsControl(this, name, index) {}

QString TextBox::Text() const {
    const auto* made = static_cast<const QLineEdit*>(madeTextWidget());
    return made != nullptr ? made->text() : QString();
}

void TextBox::setText(const QString& text) {
    editor().setText(text);
}

QLineEdit& TextBox::editor() {
    return static_cast<QLineEdit&>(textWidget());
}

QWidget* TextBox::makeTextWidget() {
    return new AnnouncingEditor(*this);
}

} // namespace velox::win
