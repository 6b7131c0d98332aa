#include "platform/win/controls/TwipsControl.h"

#include "platform/win/controls/Twips.h"

#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace velox::win {
namespace {

// Shows a control's tool tip as the plain text it is. Qt would take a tip that
// looks like markup (a program name from the catalogue such as "<b>x</b>" or
// "<img src=...>") for rich text and render it, loading what it names.
class PlainToolTips : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::ToolTip || widget == nullptr) {
            return false;
        }
        const QString tip = widget->toolTip();
        if (tip.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                               Qt::convertFromPlainText(tip, Qt::WhiteSpaceNoWrap), widget);
        }
        return true;
    }
};

QObject* plainToolTips() {
    static PlainToolTips filter;
    return &filter;
}

} // namespace

TwipsControl::TwipsControl(QWidget* widget, QString name, int index)
    : widget_(widget), name_(std::move(name)), index_(index) {
    if (widget_ != nullptr) {
        widget_->setObjectName(index_ < 0 ? name_
                                          : QStringLiteral("%1(%2)").arg(name_).arg(index_));
        widget_->installEventFilter(plainToolTips());
    }
}

void TwipsControl::setLeft(float twips) {
    left_ = twips;
    applyGeometry();
}

void TwipsControl::setTop(float twips) {
    top_ = twips;
    applyGeometry();
}

void TwipsControl::setWidth(float twips) {
    width_ = twips;
    applyGeometry();
}

void TwipsControl::setHeight(float twips) {
    height_ = twips;
    applyGeometry();
}

void TwipsControl::Move(float left, float top, float width, float height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    applyGeometry();
}

bool TwipsControl::Visible() const {
    return widget_ != nullptr && !widget_->isHidden();
}

bool TwipsControl::hasFont() const {
    return widget_ != nullptr;
}

QRect TwipsControl::pixelRect() const {
    // Left and width round each on their own, as the platform places a control.
    return {pixelsX(left_), pixelsY(top_), std::max(0, pixelsX(width_)),
            std::max(0, pixelsY(height_))};
}

void TwipsControl::applyGeometry() {
    if (widget_ != nullptr) {
        widget_->setGeometry(pixelRect());
    }
}

} // namespace velox::win
