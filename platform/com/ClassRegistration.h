#pragma once

// Registration of a creatable class under HKEY_CLASSES_ROOT:
//
//   CLSID\{clsid}                    = type name
//   CLSID\{clsid}\InprocServer32     = module path  [ThreadingModel]
//   CLSID\{clsid}\ProgID             = ProgID
//   CLSID\{clsid}\Control            (controls only)
//   CLSID\{clsid}\MiscStatus         = "0", with subkey "1" = status (decimal)
//   CLSID\{clsid}\TypeLib            = {libid}
//   CLSID\{clsid}\Version            = "1.0"
//   CLSID\{clsid}\ToolboxBitmap32    = "module path, id"
//   ProgID                           = type name
//   ProgID\CLSID                     = {clsid}

#include "platform/com/Guid.h"

#include <QString>

namespace velox::com {

struct ClassRegistration {
    CLSID clsid;
    const char* typeName;
    const char* progId = nullptr;
    bool control = false;
    DWORD miscStatus = 0;                 // written for controls
    const GUID* typeLib = nullptr;        // with `version`
    const char* version = nullptr;        // "1.0"
    int toolboxBitmap = 0;                // a bitmap id, 0 for none
    const char* threadingModel = nullptr; // "Apartment", "Both", ...
};

// S_OK, or REGDB_E_WRITEREGDB when the registry refuses a write.
HRESULT registerClass(const ClassRegistration& entry, const QString& modulePath);
// Removes the class key and the ProgID (only when the ProgID still names
// this class). S_OK also when nothing was registered.
HRESULT unregisterClass(const ClassRegistration& entry);

} // namespace velox::com
