#include "catalogue/mainwindow/ScreenPictures.h"

#include "catalogue/start/ProgramState.h"

namespace veloxcd {

QString screenPicturePath(const char* screen, int code) {
    const char* family = code == machineWren ? "Wren" : "Falcon";
    return cdDrive + QStringLiteral("\\Pictures\\") + QLatin1String(screen) +
           QLatin1String(family) + QStringLiteral(".gif");
}

QString machinePhotoPath(int code) {
    const char* photo = "Merlin";
    switch (code) {
    case machineWren:
        photo = "Wren";
        break;
    case machineFalcon:
        photo = "Falcon";
        break;
    case machineOsprey:
        photo = "Osprey";
        break;
    default:
        break;
    }
    return cdDrive + QStringLiteral("\\Pictures\\") + QLatin1String(photo) + QStringLiteral(".gif");
}

} // namespace veloxcd
