#pragma once

#include "platform/com/interfaces/Dispatch.h"

namespace velox::com {

inline constexpr IID IID_IProvideClassInfo = oleControlGuid(0xB196B283);
inline constexpr IID IID_IProvideClassInfo2 = {
    0xA6BC3AC0, 0xDBAA, 0x11CE, {0x9D, 0xE3, 0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51}};

inline constexpr DWORD GUIDKIND_DEFAULT_SOURCE_DISP_IID = 1;

struct IProvideClassInfo : IUnknown {
    static constexpr const IID& iid = IID_IProvideClassInfo;
    virtual HRESULT GetClassInfo(ITypeInfo** typeInfo) = 0;

protected:
    ~IProvideClassInfo() = default;
};

// GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID) names a control's event interface.
struct IProvideClassInfo2 : IProvideClassInfo {
    static constexpr const IID& iid = IID_IProvideClassInfo2;
    virtual HRESULT GetGUID(DWORD kind, GUID* guid) = 0;

protected:
    ~IProvideClassInfo2() = default;
};

} // namespace velox::com
