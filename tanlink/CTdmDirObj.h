#pragma once

// The directory object made by GetDirectory: a listing that is read through
// an enumerator. Its Count always reads 0 (the number of entries comes with
// the GetDirectory outcome) and cannot be set. The default member is
// declared as "Item" but no such member exists, so calls of Item or of the
// default member fail as missing members.

#include "tanlink/AutomationObject.h"
#include "tanlink/EngineObjects.h"

namespace velox::tanlink {

class CTdmDirObj final : public AutomationObject<CTdmDirObj, ITandemDirectory> {
public:
    using SHORT = com::SHORT;
    // No dispatch interface of its own in the type library.
    static constexpr const IID* interfaceId = nullptr;

    // DISPID 1, Count: reads 0; writing raises the read-only property error.
    SHORT GetCount();
    void SetCount(SHORT value);
    // DISPID -4, _NewEnum: restarts the listing and returns a new
    // enumerator over it; "Object not ready" when the restart fails.
    com::IUnknown* NewEnum();

    static const com::InterfaceInfo& dispatchInterface();

private:
    friend class AutomationObject<CTdmDirObj, ITandemDirectory>;
    CTdmDirObj() = default;
    ~CTdmDirObj() override = default;
};

// The error of writing a property that cannot be set.
inline constexpr com::HRESULT CTL_E_SETNOTSUPPORTED = com::hresult(0x800A017F);

} // namespace velox::tanlink
