#pragma once

#include <QImage>
#include <QString>

namespace velox::win {

// LoadPicture: reads a picture file (GIF, BMP, PNG, JPEG) from a Windows path.
// An empty path gives an empty picture. Raises 71, 76 or 53 as any file read
// does, 70 or 75 for a file that cannot be read, and 481 (invalid picture) for
// a file that is no picture. A picture kept in the cache of decoded pictures
// (PictureCache.h) is taken from there.
QImage LoadPicture(const QString& path);

// Starts reading a picture on another thread, for a LoadPicture of the same
// path soon after: that call then takes the picture read here (waiting for it
// if need be), unless the file has changed in between. A path that cannot be
// read now is passed over; LoadPicture raises the error when it comes. A
// picture decoded here is then kept in the cache, for the next start.
void prefetchPicture(const QString& path);

// Drops every picture started and not yet taken, waiting for their threads
// (and so for what they keep in the cache).
void dropPrefetchedPictures();

} // namespace velox::win
