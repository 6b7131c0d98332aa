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
