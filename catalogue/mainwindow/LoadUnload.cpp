// Loading the main window, in its fixed order, and unloading it, which ends the
// program.
#include "catalogue/forms/Splash.h"
#include "catalogue/mainwindow/ControlNames.h"
#include "catalogue/mainwindow/ScreenPictures.h"
#include "catalogue/mainwindow/StoredPictures.h"
#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/Main.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/HScrollBar.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/controls/Twips.h"
#include "platform/win/controls/TwipsControl.h"
#include "platform/win/dialogs/ModalForms.h"
#include "platform/win/files/FileOps.h"
#include "platform/win/pictures/Pictures.h"
#include "platform/win/runtime/ErrorRegimes.h"
#include "platform/win/runtime/ProgramEnd.h"
#include "platform/win/runtime/RuntimeError.h"

#include <QScreen>
#include <cmath>

namespace veloxcd {

using namespace velox::win;

void VeloxCDMainFormFalcon::Form_Load() {
    // The About screen and the layout both use the scale.
    fontScale = 15.0 / twipsPerPixelX();

    // The user first sees the About screen alone.
    {
        Splash about(this);
        about.Form_Load();
        showModal(about);
    }
    // Its picture is not seen again until the About screen comes back.
    releaseStoredPicture(QStringLiteral("Splash"));

    show();
    SetButtonPosition();

    // From here on a step that fails is passed over and loading goes on.
    trapped([this] { fontPass(); });
    trapped([this] {
        const int position = scrVolume->Value();
        if (position < 0 || position >= texts.volumeNames.size()) {
            raiseError(err::SubscriptOutOfRange);
        }
        lblVolume->setCaption(texts.volumeNames.at(position));
    });
    trapped([this] { lblRepeat->setCaption(QString::number(scrRepeat->Value())); });
    trapped([this] { centreOnScreen(); });
    trapped([this] { imgVelox->setPicture(LoadPicture(machinePhotoPath(machine))); });
    trapped([this] { setLanguagePics(); });
    trapped([this] { setFormLanguage(); });
    trapped([this] { LoadMainScreen(); });
}

// Every control with a font, bar those whose names keep it, gets the whole part
// of its size divided by the scale.
void VeloxCDMainFormFalcon::fontPass() {
    for (TwipsControl* each : controls_) {
        if (keepsFontAndPlace(each->Name()) || !each->hasFont()) {
            continue;
        }
        QFont font = each->widget()->font();
        font.setPointSizeF(std::max(1.0, std::floor(font.pointSizeF() / fontScale)));
        each->widget()->setFont(font);
    }
}

void VeloxCDMainFormFalcon::centreOnScreen() {
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    // In twips, as the window's own Left and Top are.
    const QRect area = screen->geometry();
    const double screenWidth = area.width() * twipsPerPixelX();
    const double screenHeight = area.height() * twipsPerPixelY();
    const QSize outer = frameGeometry().size();
    const double left = (screenWidth - outer.width() * twipsPerPixelX()) / 2;
    const double top = (screenHeight - outer.height() * twipsPerPixelY()) / 2;
    move(area.x() + pixelsX(left), area.y() + pixelsY(top));
}

void VeloxCDMainFormFalcon::Form_Unload() {
    trapped([] { Kill(catalogueCopyPath()); });
    End();
}

} // namespace veloxcd
