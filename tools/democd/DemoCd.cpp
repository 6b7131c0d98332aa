#include "tools/democd/DemoCd.h"

#include "tools/democd/AlarmSounds.h"
#include "tools/democd/DemoPrograms.h"
#include "tools/democd/DevicePhoto.h"
#include "tools/democd/ImageFiles.h"
#include "tools/democd/Palette.h"
#include "tools/democd/Pictograms.h"
#include "tools/democd/ScreenPictures.h"

#include <QDir>
#include <QPainter>
#include <stdexcept>

namespace velox::democd {
namespace {

constexpr QLatin1String markerFile("LanguageFalcon.gif");

QDir makeFolder(const QString& root, const QString& name) {
    QDir dir(root);
    if (!dir.mkpath(name)) {
        throw std::runtime_error(
            QStringLiteral("cannot create the folder %1").arg(dir.filePath(name)).toStdString());
    }
    return QDir(dir.filePath(name));
}

// The marker by which the catalogue recognises its CD: a small language sign.
QImage drawMarker() {
    QImage image = canvas(40, 24, palette::displayGreen);
    QPainter painter(&image);
    paintGlyph(painter, Glyph::Language, QRectF(8, 0, 24, 24), palette::lcdInk,
               palette::displayGreen);
    return image;
}

} // namespace

QStringList pictureFileNames() {
    QStringList names;
    for (const DeviceModel& model : deviceModels()) {
        names.append(QString::fromUtf8(model.photoFile));
    }
    for (Screen screen : allScreens) {
        for (ScreenFamily family : allFamilies) {
            names.append(screenFileName(screen, family));
        }
    }
    names.append(markerFile);
    return names;
}

void writePicture(const QString& pictureDir, const QString& fileName) {
    const QDir pictures(pictureDir);
    const QString path = pictures.filePath(fileName);
    for (const DeviceModel& model : deviceModels()) {
        if (fileName == QString::fromUtf8(model.photoFile)) {
            const QRgb exact[] = {model.body,
                                  model.bodyShade,
                                  model.keyCap,
                                  palette::captionBand.rgb(),
                                  palette::captionText.rgb(),
                                  palette::bezel.rgb()};
            saveGif(drawDevicePhoto(model), path, exact);
            return;
        }
    }
    const QRgb lcd[] = {palette::displayGreen.rgb(), palette::lcdInk.rgb()};
    for (Screen screen : allScreens) {
        for (ScreenFamily family : allFamilies) {
            if (fileName == screenFileName(screen, family)) {
                saveGif(drawScreen(screen, family), path, lcd);
                return;
            }
        }
    }
    if (fileName == markerFile) {
        saveGif(drawMarker(), path, lcd);
        return;
    }
    throw std::invalid_argument("not a picture of the demo CD: " + fileName.toStdString());
}

void writePictures(const QString& cdRoot) {
    const QDir pictures = makeFolder(cdRoot, QStringLiteral("Pictures"));
    for (const QString& name : pictureFileNames()) {
        writePicture(pictures.path(), name);
    }
}

void writeDemoCd(const QString& cdRoot) {
    writePictures(cdRoot);
    writeAlarmSounds(makeFolder(cdRoot, QStringLiteral("Wavs")).path());
    writePrograms(cdRoot);
}

} // namespace velox::democd
