#pragma once

#include <QDialog>
#include <QString>

class QTimer;

namespace velox::win {
class Label;
}

namespace veloxcd {

class VeloxCDMainFormFalcon;

// The About screen: the producer's artwork, closed by a click or by a key
// outside the letters. Typed letters collect in `aboutKeys`: "MAPLE" makes the
// credits scroll up over the picture, "LANTERN" switches the main window to the
// hidden machine Osprey.
class Splash : public QDialog {
    Q_OBJECT

public:
    explicit Splash(VeloxCDMainFormFalcon* mainForm);

    // Sizes and centres the window and puts the credits below its visible area.
    // Their height is measured when they first move.
    void Form_Load();

    void Form_Click();
    void Form_KeyPress(int keyAscii);
    void scrollTimer_Timer();

    // The inner area in twips, as loading sized it.
    [[nodiscard]] double ScaleWidth() const { return scaleWidth_; }
    [[nodiscard]] double ScaleHeight() const { return scaleHeight_; }

    // The credits, one line after the other, each ending in CR LF.
    static QString creditsText();

    velox::win::Label* scrollText = nullptr;
    QTimer* scrollTimer = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void switchToOsprey();
    void measureCredits();

    VeloxCDMainFormFalcon* mainForm_;
    double scaleWidth_;
    double scaleHeight_;
    bool creditsMeasured_ = false;
};

} // namespace veloxcd
