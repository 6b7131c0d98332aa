#pragma once

// Packing paths into the records that carry them to the engine. A path that
// does not fit the 260-character field together with its NUL is refused
// with kErrorPathTooLong and nothing is copied.

#include "tanlink/EngineCodes.h"
#include "tanlink/EngineRecords.h"

#include <QByteArray>
#include <QString>
#include <string_view>

namespace velox::tanlink {

// Fills `record` with the machine number and the ANSI path (cut at an
// embedded NUL, as the C text it stands for). Returns kOk, or
// kErrorPathTooLong leaving the record zeroed.
com::LONG packMachinePath(com::SHORT machine, std::string_view ansiPath, MachinePathRecord& record);
// The same for Unicode text, converted to ANSI (Windows-1252) first.
com::LONG packMachinePath(com::SHORT machine, const QString& path, MachinePathRecord& record);

// The path of a record as ANSI bytes: up to its NUL, or all 260 characters
// when a careless writer left no NUL.
QByteArray machinePathText(const MachinePathRecord& record);

// The same for the path field of a parse record.
QByteArray parsedPathText(const ParseRecord& record);

} // namespace velox::tanlink
