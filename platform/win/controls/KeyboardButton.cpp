#include "platform/win/controls/KeyboardButton.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPen>
#include <QWidget>

namespace velox::win {
namespace {

constexpr const char* buttonProperty = "veloxKeyboardButton";

// A push button for assistive tools over a control that clicks through its
// Click signal.
class AccessibleKeyboardButton : public QAccessibleWidget {
public:
    explicit AccessibleKeyboardButton(QWidget* control)
        : QAccessibleWidget(control, QAccessible::Button) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) {
            return QAccessibleWidget::text(kind);
        }
        QString name = widget()->accessibleName();
        if (name.isEmpty()) {
            if (const auto* label = qobject_cast<const QLabel*>(widget())) {
                name = label->text();
            }
        }
        return name.trimmed();
    }

    [[nodiscard]] QStringList actionNames() const override { return {pressAction()}; }

    [[nodiscard]] QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction()) {
            return {QStringLiteral("Space"), QStringLiteral("Return")};
        }
        return {};
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled()) {
            QMetaObject::invokeMethod(widget(), "Click", Qt::DirectConnection);
        }
    }
};

QAccessibleInterface* keyboardButtonFactory(const QString& /*className*/, QObject* object) {
    auto* control = qobject_cast<QWidget*>(object);
    if (control != nullptr && isKeyboardButton(control)) {
        return new AccessibleKeyboardButton(control);
    }
    return nullptr;
}

} // namespace

void makeKeyboardButton(QWidget* control) {
    static const bool installed = [] {
        QAccessible::installFactory(keyboardButtonFactory);
        return true;
    }();
    (void)installed;
    control->setProperty(buttonProperty, true);
    control->setFocusPolicy(Qt::TabFocus);
    // A caption set before may have made and kept the control's former
    // interface; the next question makes the button's.
    if (QAccessibleInterface* former = QAccessible::queryAccessibleInterface(control)) {
        if (former->role() != QAccessible::Button) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(former));
        }
    }
}

bool isKeyboardButton(const QWidget* control) {
    return control->property(buttonProperty).toBool();
}

bool isActivationKey(const QKeyEvent& event) {
    if (event.modifiers() & ~Qt::KeypadModifier) {
        return false;
    }
    return event.key() == Qt::Key_Space || event.key() == Qt::Key_Return ||
           event.key() == Qt::Key_Enter;
}

// A focus that leaves and comes back with its window (another window was in
// front for a while) keeps how it came.
void KeyboardFocusFrame::focusIn(QWidget& control, int reason) {
    if (reason != Qt::ActiveWindowFocusReason) {
        fromKeyboard_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                        reason == Qt::ShortcutFocusReason;
    }
    control.update();
}

void KeyboardFocusFrame::focusOut(QWidget& control, int reason) {
    if (reason != Qt::ActiveWindowFocusReason) {
        fromKeyboard_ = false;
    }
    control.update();
}

bool KeyboardFocusFrame::shown(const QWidget& control) const {
    return fromKeyboard_ && control.hasFocus();
}

void KeyboardFocusFrame::paint(QWidget& control, QPainter& painter) const {
    if (!shown(control)) {
        return;
    }
    // Two pixels of the highlight colour with a white line inside, so the frame
    // shows on the dark keys and on the light display alike.
    constexpr int outer = 2;
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(control.palette().color(QPalette::Highlight), outer));
    painter.drawRect(control.rect().adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.drawRect(control.rect().adjusted(outer, outer, -outer - 1, -outer - 1));
    painter.restore();
}

} // namespace velox::win
