#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"

#include "catalogue/mainwindow/LinkControlHost.h"
#include "catalogue/mainwindow/ScreenPictures.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/Twips.h"
#include "platform/win/controls/TwipsControl.h"
#include "platform/win/pictures/Pictures.h"

#include <QApplication>
#include <QCloseEvent>

namespace veloxcd {
namespace {

// The window's inner area in the design, in twips: the device photo from Left 15
// on. It keeps this size in pixels on every screen (15 twips a pixel).
constexpr int designWidth = 12015;
constexpr int designHeight = 9000;
constexpr int designTwipsPerPixel = 15;

} // namespace

VeloxCDMainFormFalcon::VeloxCDMainFormFalcon(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("VeloxCDMainFormFalcon"));
    setWindowTitle(QStringLiteral("Otter Software - VELOX CD Volume 1"));
    setFixedSize(designWidth / designTwipsPerPixel, designHeight / designTwipsPerPixel);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::black);
    setPalette(background);
    setAutoFillBackground(true);
    // The device photo and the main screen are read while the controls are
    // made; loading the window takes them from there.
    velox::win::prefetchPicture(machinePhotoPath(machine));
    velox::win::prefetchPicture(screenPicturePath("Hauptschirm", machine));
    createControls();
    wireHandlers();
    setUpKeyboardAccess();
}

VeloxCDMainFormFalcon::~VeloxCDMainFormFalcon() {
    // Closing the window still moves the application's focus: the window's
    // own focus watch must not run on a window half taken apart.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    // A handheld answer still on its way must not reach a window being taken
    // apart: the link's events stop before anything else goes.
    Tandem->stopEvents();
    velox::win::dropPrefetchedPictures();
}

double VeloxCDMainFormFalcon::ScaleWidth() const {
    return width() * velox::win::twipsPerPixelX();
}

double VeloxCDMainFormFalcon::ScaleHeight() const {
    return height() * velox::win::twipsPerPixelY();
}

void VeloxCDMainFormFalcon::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (drawn_) {
        return;
    }
    drawn_ = true;
    // Queued, the link control is created in the event loop's next turn, once
    // this drawing is on the screen.
    QMetaObject::invokeMethod(this, "createLinkControl", Qt::QueuedConnection);
}

void VeloxCDMainFormFalcon::createLinkControl() {
    Tandem->create();
}

void VeloxCDMainFormFalcon::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

} // namespace veloxcd
