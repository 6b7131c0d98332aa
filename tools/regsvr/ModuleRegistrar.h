#pragma once

// Loads a server module and calls its DllRegisterServer or
// DllUnregisterServer, telling apart the ways this can go wrong.

#include "platform/com/Types.h"

#include <QString>

namespace velox::tools {

struct RegistrarOutcome {
    enum Kind { Done, LoadFailed, EntryMissing, CallFailed };
    Kind kind;
    com::HRESULT result; // the entry point's return code (Done, CallFailed)
    QString detail;      // why loading failed
};

RegistrarOutcome runRegistration(const QString& modulePath, bool unregister);

// The exit code regsvr gives for an outcome: 0 success, 3 the module did
// not load, 4 the entry point is missing, 5 the entry point failed.
int exitCodeOf(const RegistrarOutcome& outcome);

} // namespace velox::tools
