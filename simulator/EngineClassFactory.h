#pragma once

// The class factory of both engine classes. Each engine it makes keeps the
// handheld of the current prefix, "handheld/" in it.

#include "platform/com/interfaces/ClassFactory.h"
#include "simulator/EngineObjectBase.h"

namespace velox::simulator {

class EngineClassFactory final : public EngineObjectBase<com::IClassFactory> {
public:
    enum class Kind { Asynchronous, Synchronous };

    // A new factory with one reference.
    static EngineClassFactory* create(Kind kind);

    com::HRESULT CreateInstance(com::IUnknown* outer, com::REFIID riid, void** object) override;
    com::HRESULT LockServer(com::BOOL lock) override;

private:
    explicit EngineClassFactory(Kind kind);
    ~EngineClassFactory() override;

    Kind kind_;
};

// DllGetClassObject of the engine module: a factory for either engine class.
com::HRESULT engineClassObject(com::REFCLSID clsid, com::REFIID riid, void** object);

} // namespace velox::simulator
