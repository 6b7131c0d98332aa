#pragma once

// The type library TANDEMENGLib of the control module, as static data: the
// two controls' dispatch and event interfaces and coclasses, then the file,
// drive and machine objects' interfaces and coclasses, in library order.

#include "platform/com/TypeLibrary.h"
#include "tanlink/TandemGuids.h"

namespace velox::tanlink {

inline constexpr com::GUID LIBID_TANDEMENGLib = tandemGuid(0x3C476930);
inline constexpr com::WORD kTypeLibMajor = 1;
inline constexpr com::WORD kTypeLibMinor = 0;
inline constexpr com::LCID kTypeLibLocale = 0x409;

const com::TypeLibInfo& tanlinkTypeLibrary();

} // namespace velox::tanlink
