#pragma once

// The root interface. Interfaces are abstract classes whose virtual methods
// follow the Windows declaration order; they have no virtual destructor
// (an object ends itself in Release), so implementing classes are final or
// declare their own virtual destructor.

#include "platform/com/Guid.h"

namespace velox::com {

inline constexpr IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

struct IUnknown {
    static constexpr const IID& iid = IID_IUnknown;
    virtual HRESULT QueryInterface(REFIID riid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    IUnknown() = default;
    IUnknown(const IUnknown&) = default;
    IUnknown& operator=(const IUnknown&) = default;
    ~IUnknown() = default;
};

} // namespace velox::com
