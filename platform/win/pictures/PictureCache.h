#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

namespace velox::win {

// Decoded pictures kept from one run to the next, in the prefix's
// cache/pictures/ folder, so that a picture shown at every start (the device
// photo, the main screen) is decoded once and afterwards only mapped from its
// cache file.
//
// A picture is found by the SHA-1 of its file's bytes: a changed file is
// another picture, wherever it lies. A cache file that is not whole and
// consistent (cut short, another kind of file, sizes that do not add up) is
// passed over and replaced by the next keepPicture. The folder holds at most
// keptPictureLimit files; the oldest go first. A prefix that cannot be
// written keeps nothing and nothing fails.

inline constexpr int keptPictureLimit = 16;

// The key of a picture file: the hex SHA-1 of its bytes.
QByteArray pictureKey(const QByteArray& file);

// The picture kept for a key, read-only and shared with its mapped cache file
// (a change to it detaches a copy), or nullopt.
std::optional<QImage> cachedPicture(const QByteArray& key);

// Keeps a decoded picture for a key; the cache file is replaced atomically.
// Only what the cache gives back whole is kept: 32-bit pixels, with no text,
// colour space or resolution of the picture's own.
void keepPicture(const QByteArray& key, const QImage& picture);

// The folder of the kept pictures.
QString pictureCacheDirectory();

} // namespace velox::win
