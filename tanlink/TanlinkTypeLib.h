#pragma once

// The type library TANDEMENGLib of the control module, as static data: the
// two controls' dispatch and event interfaces and coclasses, then the file,
// drive and machine objects' interfaces and coclasses, in library order.

#include "platform/com/TypeLibrary.h"

namespace velox::tanlink {

inline constexpr com::GUID LIBID_TANDEMENGLib = {
    0x3C476930, 0xF450, 0x11CF, {0x88, 0x5E, 0x00, 0x20, 0xAF, 0xC0, 0x4E, 0x78}};
inline constexpr com::WORD kTypeLibMajor = 1;
inline constexpr com::WORD kTypeLibMinor = 0;
inline constexpr com::LCID kTypeLibLocale = 0x409;

const com::TypeLibInfo& tanlinkTypeLibrary();

} // namespace velox::tanlink
