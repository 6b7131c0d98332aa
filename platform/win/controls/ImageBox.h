#pragma once

#include "platform/win/controls/KeyboardButton.h"
#include "platform/win/controls/TwipsControl.h"

#include <QImage>
#include <QWidget>

namespace velox::win {

// An image control: shows its picture stretched over its rectangle, or nothing
// at all, so that without a picture it is a transparent click area over what
// lies below. Made a keyboard button, it clicks on Space and Enter.
class ImageBox : public QWidget, public TwipsControl {
    Q_OBJECT

public:
    ImageBox(const QString& name, int index, QWidget* parent);

    [[nodiscard]] const QImage& Picture() const { return picture_; }
    void setPicture(const QImage& picture);

    [[nodiscard]] bool hasFont() const override { return false; }

signals:
    void Click();
    void DblClick();
    void MouseMove();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QImage picture_;
    KeyboardFocusFrame focusFrame_;
};

} // namespace velox::win
