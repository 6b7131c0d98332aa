#pragma once

// A module's type library as static data: the library's identity and
// attributes, its dispatch interfaces (the same member tables that drive
// IDispatch, DispatchTable.h) and its coclasses, in library order.

#include "platform/com/DispatchTable.h"

#include <span>

namespace velox::com {

// Library flags (LIBFLAGS).
inline constexpr WORD LIBFLAG_FRESTRICTED = 0x1;
inline constexpr WORD LIBFLAG_FCONTROL = 0x2;
inline constexpr WORD LIBFLAG_FHIDDEN = 0x4;

enum SYSKIND { SYS_WIN16 = 0, SYS_WIN32 = 1, SYS_MAC = 2, SYS_WIN64 = 3 };

struct CoclassInfo {
    CLSID clsid;
    const char* name;
    const char* helpString = nullptr;
    WORD typeFlags = TYPEFLAG_FCANCREATE;
    const IID* defaultInterface = nullptr;
    const IID* defaultSource = nullptr; // the event interface, if any
};

struct TypeLibInfo {
    GUID libid;
    const char* name;
    WORD majorVersion;
    WORD minorVersion;
    LCID lcid;
    SYSKIND syskind;
    WORD libFlags;
    const char* helpString;
    std::span<const InterfaceInfo* const> interfaces;
    std::span<const CoclassInfo* const> coclasses;
};

// The interface of the library with this IID, or null.
const InterfaceInfo* findInterface(const TypeLibInfo& library, const IID& iid);

} // namespace velox::com
