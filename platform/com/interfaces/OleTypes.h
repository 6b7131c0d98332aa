#pragma once

// Geometry and other small structures of the control-side interfaces. Where
// Windows passes a device context or a window handle, these interfaces pass
// the Qt object that plays that role: QPainter* and QWidget*.

#include "platform/com/interfaces/Unknown.h"

namespace velox::com {

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
using RECTL = RECT;
struct POINTL {
    LONG x;
    LONG y;
};
struct POINTF {
    FLOAT x;
    FLOAT y;
};
struct SIZE {
    LONG cx;
    LONG cy;
};
using SIZEL = SIZE;

union LARGE_INTEGER {
    struct {
        DWORD LowPart;
        LONG HighPart;
    } u;
    LONGLONG QuadPart;
};
union ULARGE_INTEGER {
    struct {
        DWORD LowPart;
        DWORD HighPart;
    } u;
    ULONGLONG QuadPart;
};

using ULONG_PTR = std::uintptr_t;

// A window message; the Qt stand-ins never deliver one (always null).
struct MSG;
// A target device description; always null here (draw for the screen).
struct DVTARGETDEVICE;
struct LOGPALETTE;

// A counted array of GUIDs whose elements the receiver frees with
// CoTaskMemFree.
struct CAUUID {
    ULONG cElems;
    GUID* pElems;
};

inline constexpr DWORD DVASPECT_CONTENT = 1;
inline constexpr DWORD DVASPECT_THUMBNAIL = 2;
inline constexpr DWORD DVASPECT_ICON = 4;
inline constexpr DWORD DVASPECT_DOCPRINT = 8;

} // namespace velox::com
