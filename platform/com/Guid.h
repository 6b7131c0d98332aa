#pragma once

#include "platform/com/Types.h"

#include <QString>
#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

namespace velox::com {

// A 128-bit class, interface or library id with the Windows layout.
struct GUID {
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];

    friend constexpr bool operator==(const GUID& a, const GUID& b) {
        if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) {
            return false;
        }
        for (int i = 0; i < 8; ++i) {
            if (a.Data4[i] != b.Data4[i]) {
                return false;
            }
        }
        return true;
    }
};

using IID = GUID;
using CLSID = GUID;
using REFGUID = const GUID&;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

inline constexpr GUID GUID_NULL = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};

// The two families of system interface ids, which differ in their first
// field only: {xxxxxxxx-0000-0000-C000-000000000046} for the OLE interfaces
// and {xxxxxxxx-BAB4-101A-B69C-00AA00341D07} for the control interfaces.
constexpr GUID oleGuid(DWORD first) {
    return {first, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
}
constexpr GUID oleControlGuid(DWORD first) {
    return {first, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
}

// "{3C476933-F450-11CF-885E-0020AFC04E78}": braces, upper-case hex.
QString guidToString(const GUID& guid);
std::string guidToStdString(const GUID& guid);

// Parses the braced form in any case; nothing for anything else.
std::optional<GUID> guidFromString(std::string_view text);
std::optional<GUID> guidFromString(const QString& text);

// The Windows calls: the braced form into a buffer of at least 39
// characters (returns the characters written including the terminator, 0
// when the buffer is too small), and back (CO_E_CLASSSTRING on bad text).
int StringFromGUID2(REFGUID guid, LPOLESTR buffer, int capacity);
HRESULT CLSIDFromString(LPCOLESTR text, CLSID* clsid);
HRESULT IIDFromString(LPCOLESTR text, IID* iid);

struct GuidHash {
    std::size_t operator()(const GUID& guid) const noexcept;
};

} // namespace velox::com
