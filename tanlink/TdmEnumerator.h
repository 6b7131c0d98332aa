#pragma once

// The enumerator of a directory object: each entry of the engine listing
// becomes a new file object. It keeps its directory object alive with a
// reference of its own, so the engine listing outlives every enumerator.

#include "platform/com/ComObject.h"
#include "platform/com/interfaces/EnumVariant.h"
#include "tanlink/EngineObjects.h"

namespace velox::tanlink {

class CTdmDirObj;

class TdmEnumerator final : public com::ComObject<TdmEnumerator, com::IEnumVARIANT> {
public:
    // A new enumerator with one reference, over the listing of `directory`.
    static TdmEnumerator* create(CTdmDirObj* directory);

    // Empties all requested variants, then delivers entries one at a time:
    // S_FALSE as soon as the engine does not deliver exactly one, S_OK when
    // all came.
    com::HRESULT Next(com::ULONG count, com::VARIANT* items, com::ULONG* fetched) override;
    // The engine's codes for skipping and restarting.
    com::HRESULT Skip(com::ULONG count) override;
    com::HRESULT Reset() override;
    // E_NOTIMPL.
    com::HRESULT Clone(com::IEnumVARIANT** copy) override;

private:
    explicit TdmEnumerator(CTdmDirObj* directory);
    ~TdmEnumerator() override;
    ITandemDirectory* listing() const;

    CTdmDirObj* directory_;
};

} // namespace velox::tanlink
