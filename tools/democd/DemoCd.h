#pragma once

#include <QString>
#include <QStringList>

namespace velox::democd {

// The files of the CD's "Pictures" folder, as the catalogue spells them: the
// four device photos, the screens of both families and the CD's marker.
QStringList pictureFileNames();

// Writes one picture of pictureFileNames() into the folder `pictureDir`.
// Throws std::invalid_argument for a name that is not on the list.
void writePicture(const QString& pictureDir, const QString& fileName);

// Writes the "Pictures" folder of a demo CD below `cdRoot` (created if missing).
// Throws std::runtime_error when a file cannot be written.
void writePictures(const QString& cdRoot);

// Writes the whole demo CD: "Pictures", "Wavs" and "Programs".
void writeDemoCd(const QString& cdRoot);

} // namespace velox::democd
