#pragma once

// Class and interface ids of the connectivity engine, and the machine
// numbers that name the two sides of a link operation.

#include "platform/com/Guid.h"
#include "tanlink/TandemGuids.h"

namespace velox::tanlink {

using com::CLSID;
using com::IID;

// The asynchronous engine: requests are queued, outcomes come back through
// ITandemCallback.
inline constexpr CLSID CLSID_TandemEngine = tandemGuid(0x3C476900);
inline constexpr IID IID_ITandemEngine = tandemGuid(0x3C476901);
inline constexpr IID IID_ITandemCallback = tandemGuid(0x3C476902);

// The synchronous engine: work is done in the caller's thread, only
// progress comes back through ITandemCallbackS.
inline constexpr CLSID CLSID_TandemEngineS = tandemGuid(0x3C476920);
inline constexpr IID IID_ITandemEngineS = tandemSyncEngineGuid(0xC7FDCD80);
inline constexpr IID IID_ITandemCallbackS = tandemSyncEngineGuid(0xC7FDCD81);

// The engine objects handed out through object out-parameters. Their ids
// are this module's own; the engine and the automation objects agree on them.
inline constexpr IID IID_ITandemDrive = engineObjectGuid(0x01);
inline constexpr IID IID_ITandemFile = engineObjectGuid(0x02);
inline constexpr IID IID_ITandemMachine = engineObjectGuid(0x03);
inline constexpr IID IID_ITandemDirectory = engineObjectGuid(0x04);

// Link machine numbers (not model codes).
inline constexpr com::SHORT kMachinePc = 1;
inline constexpr com::SHORT kMachineHandheld = 2;

} // namespace velox::tanlink
