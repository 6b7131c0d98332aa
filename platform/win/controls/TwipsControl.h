#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace velox::win {

// What every control of a form has: a name (with an index for an element of a
// control array), a position and size in twips relative to its container, and
// whether it is visible. The twips last assigned are kept exactly; the widget is
// shown at the pixel rectangle they round to. A control without a widget (a
// control that is invisible at run time) keeps its twips all the same.
class TwipsControl {
public:
    TwipsControl(QWidget* widget, QString name, int index = -1);
    virtual ~TwipsControl() = default;
    TwipsControl(const TwipsControl&) = delete;
    TwipsControl& operator=(const TwipsControl&) = delete;

    [[nodiscard]] const QString& Name() const { return name_; }
    [[nodiscard]] int Index() const { return index_; } // -1: not in a control array

    [[nodiscard]] float Left() const { return left_; }
    [[nodiscard]] float Top() const { return top_; }
    [[nodiscard]] float Width() const { return width_; }
    [[nodiscard]] float Height() const { return height_; }
    void setLeft(float twips);
    void setTop(float twips);
    void setWidth(float twips);
    void setHeight(float twips);
    void Move(float left, float top, float width, float height);

    // The property as a form's Visible: false only when the control itself is hidden.
    [[nodiscard]] bool Visible() const;

    // Controls without a font (pictures, scroll bars, run-time invisible controls)
    // are passed over by a font change.
    [[nodiscard]] virtual bool hasFont() const;

    [[nodiscard]] QWidget* widget() const { return widget_; }

    // The pixel rectangle the twips round to at the current twips per pixel.
    [[nodiscard]] QRect pixelRect() const;

protected:
    // Shows the widget at the pixels of the current twips.
    void applyGeometry();

private:
    QWidget* widget_;
    QString name_;
    int index_;
    float left_ = 0;
    float top_ = 0;
    float width_ = 0;
    float height_ = 0;
};

} // namespace velox::win
