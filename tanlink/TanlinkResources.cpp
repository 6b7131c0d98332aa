#include "tanlink/TanlinkResources.h"

#include <QPainter>
#include <array>

namespace velox::tanlink {

namespace {

struct StringEntry {
    com::UINT id;
    const char* text;
};

constexpr StringEntry kStrings[] = {
    {IDS_TANLINK, "Tandem Engine Control"},   {IDS_TANLINK_PPG, "Tandem Engine Property Page"},
    {IDS_TANLINK_PPG_CAPTION, "General"},     {IDS_TANLINK_OBJECT_NOT_READY, "Object not ready"},
    {IDS_TANLINKS, "Tandem EngineS Control"}, {IDS_TANLINKS_PPG, "Tandem EngineS Property Page"},
    {IDS_TANLINKS_PPG_CAPTION, "General"},
};

// The two bitmaps as rows of palette letters: a handheld beside a PC screen
// joined by a link cable; the synchronous control's cable carries a bar.
//   k black, g grey, w white, b blue, y yellow, c background
using Picture = std::array<const char*, 16>;

constexpr Picture kAsyncBitmap = {
    "cccccccccccccccc", //
    "ckkkkkkcccckkkkc", //
    "ckbbbbkcccckgggk", //
    "ckbwwbkcccckgwgk", //
    "ckbwwbkcccckgggk", //
    "ckbbbbkcccckgggk", //
    "ckkkkkkcccckgkgk", //
    "cccckcccccckgggk", //
    "cgggkggccccckkkc", //
    "cccccyyyyyycckcc", //
    "ccccccccccyyykcc", //
    "cccccccccccccccc", //
    "ckkkkkkkkkkkkkkc", //
    "ckwwwwwwwwwwwwkc", //
    "ckkkkkkkkkkkkkkc", //
    "cccccccccccccccc", //
};

// The synchronous control's picture differs in three rows: the cable's bar
// and the blue mark below it.
constexpr Picture kSyncBitmap = [] {
    Picture rows = kAsyncBitmap;
    rows[9] = "cccccyyykyyycckc";
    rows[10] = "ccccccccyccyykcc";
    rows[13] = "ckwwwwbbwwwwwwkc";
    return rows;
}();

QRgb colourOf(char letter) {
    switch (letter) {
    case 'k':
        return qRgb(0, 0, 0);
    case 'g':
        return qRgb(128, 128, 128);
    case 'w':
        return qRgb(255, 255, 255);
    case 'b':
        return qRgb(0, 0, 128);
    case 'y':
        return qRgb(255, 255, 0);
    default:
        return qRgb(192, 192, 192);
    }
}

QImage drawPicture(const Picture& rows) {
    QImage image(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            image.setPixel(x, y, colourOf(rows[static_cast<std::size_t>(y)][x]));
        }
    }
    return image;
}

constexpr VersionString kVersionStrings[] = {
    {"FileDescription", "Tanlink OLE Control Module"},
    {"FileVersion", "1, 0, 0, 11"},
    {"InternalName", "TANLINK"},
    {"OriginalFilename", "TANLINK.OCX"},
    {"ProductName", "TanLink OLE Control Module"},
    {"ProductVersion", "2, 0, 0, 1"},
};

constexpr VersionRecord kVersion{{1, 0, 0, 11}, {2, 0, 0, 1}, 0x0409, 1200, kVersionStrings};

} // namespace

QString resourceString(com::UINT id) {
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id) {
            return QString::fromLatin1(entry.text);
        }
    }
    return {};
}

QImage resourceBitmap(int id) {
    switch (id) {
    case IDB_TANLINK:
        return drawPicture(kAsyncBitmap);
    case IDB_TANLINKS:
        return drawPicture(kSyncBitmap);
    default:
        return {};
    }
}

QImage resourceIcon(int id) {
    if (id != IDI_ABOUTDLL) {
        return {};
    }
    return drawPicture(kAsyncBitmap).scaled(32, 32);
}

const VersionRecord& versionRecord() {
    return kVersion;
}

} // namespace velox::tanlink
