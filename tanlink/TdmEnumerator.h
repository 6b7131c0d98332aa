#pragma once

// The enumerator of a directory object: each entry of the engine listing
// becomes a new file object. It keeps its directory object alive with a
// reference of its own, so the engine listing outlives every enumerator.

#include "platform/com/EnumVariant.h"
#include "tanlink/EngineObjects.h"

#include <atomic>

namespace velox::tanlink {

class CTdmDirObj;

class TdmEnumerator final : public com::IEnumVARIANT {
public:
    // A new enumerator with one reference, over the listing of `directory`.
    static TdmEnumerator* create(CTdmDirObj* directory);

    TdmEnumerator(const TdmEnumerator&) = delete;
    TdmEnumerator& operator=(const TdmEnumerator&) = delete;

    com::HRESULT QueryInterface(com::REFIID riid, void** object) override;
    com::ULONG AddRef() override;
    com::ULONG Release() override;

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
    ~TdmEnumerator();
    ITandemDirectory* listing() const;

    std::atomic<com::ULONG> refs_{1};
    CTdmDirObj* directory_;
};

} // namespace velox::tanlink
