#include "catalogue/mainwindow/ScreenPictures.h"

#include "catalogue/start/ProgramState.h"

namespace veloxcd {

QString screenPicturePath(const char* screen, int code) {
    const char* family = code == 1 ? "Wren" : "Falcon";
    return cdDrive + QStringLiteral("\\Pictures\\") + QLatin1String(screen) +
           QLatin1String(family) + QStringLiteral(".gif");
}

QString machinePhotoPath(int code) {
    const char* photo = "Merlin";
    switch (code) {
    case 1:
        photo = "Wren";
        break;
    case 2:
        photo = "Falcon";
        break;
    case 8:
        photo = "Osprey";
        break;
    default:
        break;
    }
    return cdDrive + QStringLiteral("\\Pictures\\") + QLatin1String(photo) + QStringLiteral(".gif");
}

} // namespace veloxcd
