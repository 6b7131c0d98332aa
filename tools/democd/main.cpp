// democd: draws the demo CD's pictures and sounds, and the pictures stored
// with the catalogue's main window.
//
//   democd OUTDIR                    writes OUTDIR/Pictures, OUTDIR/Wavs and OUTDIR/Programs
//   democd --window-pictures DIR     writes the window's own pictures into DIR
//   democd --icon SIZE OUT.png       writes the desktop's icon of VeloxCD, SIZE pixels square
#include "tools/democd/AppIcon.h"
#include "tools/democd/DemoCd.h"
#include "tools/democd/ImageFiles.h"
#include "tools/democd/WindowPictures.h"

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <exception>

namespace {

int usage() {
    std::fputs("usage: democd OUTDIR\n"
               "       democd --window-pictures DIR\n"
               "       democd --icon SIZE OUT.png\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // Drawing needs fonts but no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments().mid(1);
    try {
        if (args.size() == 2 && args[0] == QLatin1String("--window-pictures")) {
            velox::democd::writeWindowPictures(args[1]);
        } else if (args.size() == 3 && args[0] == QLatin1String("--icon")) {
            bool number = false;
            const int size = args[1].toInt(&number);
            if (!number || size < 16 || size > 1024) {
                return usage();
            }
            velox::democd::savePng(velox::democd::drawAppIcon(size), args[2]);
        } else if (args.size() == 1 && !args[0].startsWith(QLatin1Char('-'))) {
            velox::democd::writeDemoCd(args[0]);
        } else {
            return usage();
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "democd: %s\n", error.what());
        return 1;
    }
    return 0;
}
