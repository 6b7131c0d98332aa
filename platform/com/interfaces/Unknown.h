#pragma once

// The root interface, and the shape of the enumerators. Interfaces are abstract classes whose
// virtual methods follow the Windows declaration order; they have no virtual destructor (an object
// ends itself in Release), so implementing classes are final or declare their own virtual
// destructor.

#include "platform/com/Guid.h"

namespace velox::com {

inline constexpr IID IID_IUnknown = oleGuid(0x00000000);

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

// The methods every enumerator interface has (IEnumVARIANT,
// IEnumConnections, ...): Next hands out up to `count` items, Clone a new
// enumerator `Self` at the same place.
template <typename Item, typename Self> struct IEnumOf : IUnknown {
    virtual HRESULT Next(ULONG count, Item* items, ULONG* fetched) = 0;
    virtual HRESULT Skip(ULONG count) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(Self** copy) = 0;

protected:
    ~IEnumOf() = default;
};

} // namespace velox::com
