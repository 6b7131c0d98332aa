#pragma once

// Creating objects by class: the class id leads through the registry store
// (CLSID\{...}\InprocServer32) to a module, which is loaded with dlopen and
// asked for its class factory (DllGetClassObject). Modules stay loaded while
// they have live objects; CoFreeUnusedLibraries asks each DllCanUnloadNow
// and unloads those that agree. All of it may be called from any thread.

#include "platform/com/interfaces/ClassFactory.h"

#include <QString>

namespace velox::com {

inline constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;
inline constexpr DWORD CLSCTX_INPROC_HANDLER = 0x2;
inline constexpr DWORD CLSCTX_LOCAL_SERVER = 0x4;
inline constexpr DWORD CLSCTX_SERVER = 0x15;
inline constexpr DWORD CLSCTX_ALL = 0x17;

inline constexpr DWORD COINIT_MULTITHREADED = 0x0;
inline constexpr DWORD COINIT_APARTMENTTHREADED = 0x2;

inline constexpr DWORD REGCLS_SINGLEUSE = 0;
inline constexpr DWORD REGCLS_MULTIPLEUSE = 1;

// Per-thread initialisation, counted: S_OK the first time on a thread,
// S_FALSE after. Activation does not require it.
HRESULT CoInitialize(void* reserved);
HRESULT CoInitializeEx(void* reserved, DWORD flags);
void CoUninitialize();

// The class object of a class: one registered in this process
// (CoRegisterClassObject) or the one its registered module hands out.
// REGDB_E_CLASSNOTREG for a class without registration, CO_E_DLLNOTFOUND
// when the module does not load, CO_E_ERRORINDLL when it has no
// DllGetClassObject. Only in-process servers exist here.
HRESULT CoGetClassObject(REFCLSID clsid, DWORD context, void* serverInfo, REFIID riid,
                         void** object);
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID riid,
                         void** object);
// ProgID\CLSID of the registry; CO_E_CLASSSTRING when the ProgID is unknown.
HRESULT CLSIDFromProgID(LPCOLESTR progId, CLSID* clsid);
// Unloads every loaded module whose DllCanUnloadNow answers S_OK.
void CoFreeUnusedLibraries();

// Makes a class object known to this process under a class id (the
// runtime holds a reference until it is revoked).
HRESULT CoRegisterClassObject(REFCLSID clsid, IUnknown* classObject, DWORD context, DWORD flags,
                              DWORD* cookie);
HRESULT CoRevokeClassObject(DWORD cookie);

// Whether the module at this path is loaded by the runtime now.
bool isModuleLoaded(const QString& path);

} // namespace velox::com
