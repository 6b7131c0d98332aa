#include "platform/win/controls/DeferredTextWidget.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QShowEvent>

namespace velox::win {

DeferredTextWidget::DeferredTextWidget(QWidget* parent) : QWidget(parent) {}

void DeferredTextWidget::setName(const QString& name) {
    setAccessibleName(name);
    if (textWidget_ != nullptr) {
        textWidget_->setAccessibleName(name);
    }
}

QWidget& DeferredTextWidget::textWidget() {
    if (textWidget_ == nullptr) {
        textWidget_ = makeTextWidget();
        textWidget_->setObjectName(objectName());
        textWidget_->setAccessibleName(accessibleName());
        textWidget_->setGeometry(rect());
        setFocusProxy(textWidget_);
        textWidget_->show();
    }
    return *textWidget_;
}

void DeferredTextWidget::showEvent(QShowEvent* event) {
    textWidget();
    QWidget::showEvent(event);
}

void DeferredTextWidget::resizeEvent(QResizeEvent* event) {
    if (textWidget_ != nullptr) {
        textWidget_->setGeometry(QRect(QPoint(0, 0), event->size()));
    }
    QWidget::resizeEvent(event);
}

void DeferredTextWidget::keyPressEvent(QKeyEvent* event) {
    passOn(event);
}

void DeferredTextWidget::keyReleaseEvent(QKeyEvent* event) {
    passOn(event);
}

// A key the text widget leaves travels on to this control's container from
// there; while it does, it passes this control by.
void DeferredTextWidget::passOn(QKeyEvent* event) {
    if (passingOn_) {
        event->ignore();
        return;
    }
    passingOn_ = true;
    QCoreApplication::sendEvent(&textWidget(), event);
    passingOn_ = false;
    event->accept();
}

} // namespace velox::win
