#pragma once

// Registering a type library writes, as RegisterTypeLib does:
//
//   TypeLib\{libid}\<major.minor>                 = help string (or name)
//   TypeLib\{libid}\<major.minor>\<lcid>\win32    = module path
//   TypeLib\{libid}\<major.minor>\FLAGS           = library flags (decimal)
//   TypeLib\{libid}\<major.minor>\HELPDIR         = module folder
//   Interface\{iid}                               = interface name
//   Interface\{iid}\ProxyStubClsid, ProxyStubClsid32 = the automation marshaller
//   Interface\{iid}\TypeLib                       = {libid}, "Version" = major.minor
//
// Versions and locales are written in hex, as Windows writes them.

#include "platform/com/TypeLibrary.h"

#include <QString>

namespace velox::com {

// The automation marshaller class that dispatch interfaces name.
inline constexpr CLSID CLSID_PSDispatch = oleGuid(0x00020420);

// S_OK, or TYPE_E_REGISTRYACCESS when the registry refuses a write.
HRESULT RegisterTypeLib(const TypeLibInfo& library, const QString& modulePath);
// Removes one version and locale of a library, and the Interface keys
// that name that library and version. TYPE_E_REGISTRYACCESS on a refused
// write; S_OK also when nothing was registered.
HRESULT UnRegisterTypeLib(REFGUID libid, WORD majorVersion, WORD minorVersion, LCID lcid,
                          SYSKIND syskind);
// Removes every version and locale of a library and the Interface keys
// that name it.
HRESULT unregisterTypeLibAllVersions(REFGUID libid);

} // namespace velox::com
