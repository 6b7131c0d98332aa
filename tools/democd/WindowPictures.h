#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace velox::democd {

// One picture stored with the catalogue's windows.
struct WindowPicture {
    QString fileName; // e.g. "katWrenger.png"; in the resources as ":/window/katWrenger.png"
    QImage image;
};

// Every picture stored with the windows: the three German caption strips,
// the four small buttons, the hand pointer, the About artwork and the
// pictures of the two prompt windows.
QList<WindowPicture> drawWindowPictures();

// Writes the pictures as PNG files into `dir`, with the Qt resource file
// "resources.qrc" that lists them under the prefix "/window".
void writeWindowPictures(const QString& dir);

} // namespace velox::democd
