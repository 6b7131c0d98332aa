#pragma once

#include "platform/win/controls/ClickableControl.h"
#include "platform/win/controls/TwipsControl.h"

#include <QImage>
#include <QWidget>

namespace velox::win {

// An image control: shows its picture stretched over its rectangle, or nothing
// at all, so that without a picture it is a transparent click area over what
// lies below. Made a keyboard button, it clicks on Space and Enter.
class ImageBox : public ClickableControl<QWidget, ImageBox>, public TwipsControl {
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

private:
    QImage picture_;
};

} // namespace velox::win
