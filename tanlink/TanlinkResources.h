#pragma once

// The resources of the control module: the string table, the toolbox and
// design-time bitmaps (16 x 16), the module icon and the version record.
// They are data inside the module, drawn and written here.

#include "platform/com/Types.h"

#include <QImage>
#include <QString>
#include <span>

namespace velox::tanlink {

// Bitmaps, icon and dialogs.
inline constexpr int IDB_TANLINK = 1;
inline constexpr int IDB_TANLINKS = 202;
inline constexpr int IDI_ABOUTDLL = 1;
inline constexpr int IDD_ABOUTBOX_TANLINK = 1;
inline constexpr int IDD_PROPPAGE_TANLINK = 100;

// Strings.
inline constexpr com::UINT IDS_TANLINK = 1;
inline constexpr com::UINT IDS_TANLINK_PPG = 2;
inline constexpr com::UINT IDS_TANLINK_PPG_CAPTION = 100;
inline constexpr com::UINT IDS_TANLINK_OBJECT_NOT_READY = 101;
inline constexpr com::UINT IDS_TANLINKS = 102;
inline constexpr com::UINT IDS_TANLINKS_PPG = 103;
inline constexpr com::UINT IDS_TANLINKS_PPG_CAPTION = 104;

// The text of a string-table entry; empty for an id the table does not hold.
QString resourceString(com::UINT id);

// Bitmap 1 or 202 (16 x 16, opaque); a null image for any other id.
QImage resourceBitmap(int id);

// The module icon (id 1, 32 x 32); a null image for any other id.
QImage resourceIcon(int id);

struct VersionString {
    const char* name;
    const char* value;
};

// The version record: language 0x0409, code page 1200 (UTF-16).
struct VersionRecord {
    com::WORD fileVersion[4];
    com::WORD productVersion[4];
    com::WORD language;
    com::WORD codePage;
    std::span<const VersionString> strings;
};

const VersionRecord& versionRecord();

} // namespace velox::tanlink
