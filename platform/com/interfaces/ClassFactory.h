#pragma once

#include "platform/com/interfaces/Unknown.h"

namespace velox::com {

inline constexpr IID IID_IClassFactory = oleGuid(0x00000001);

struct IClassFactory : IUnknown {
    static constexpr const IID& iid = IID_IClassFactory;
    virtual HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** object) = 0;
    virtual HRESULT LockServer(BOOL lock) = 0;

protected:
    ~IClassFactory() = default;
};

// Marks a module's exported functions (DllGetClassObject, DllCanUnloadNow,
// DllRegisterServer, DllUnregisterServer), which are also extern "C".
#define VELOX_COM_EXPORT __attribute__((visibility("default")))

// The exported functions of an in-process server module.
using DllGetClassObjectFunction = HRESULT (*)(REFCLSID clsid, REFIID riid, void** object);
using DllCanUnloadNowFunction = HRESULT (*)();
using DllRegisterServerFunction = HRESULT (*)();
using DllUnregisterServerFunction = HRESULT (*)();

} // namespace velox::com
