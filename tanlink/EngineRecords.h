#pragma once

// The records in which paths reach the engine. Both are packed: the engine
// reads them byte for byte.

#include "platform/com/Types.h"

#include <cstddef>

namespace velox::tanlink {

inline constexpr std::size_t kPathFieldSize = 260;

#pragma pack(push, 1)

// A side of the link and a NUL-terminated ANSI path on it.
struct MachinePathRecord {
    com::SHORT machine;
    char path[kPathFieldSize];
};

// What ParseFile makes of its parts: the joined path, then the lengths of
// its drive, directory, file and extension parts and whether it holds a
// wildcard.
struct ParseRecord {
    char path[kPathFieldSize];
    com::SHORT driveLength;
    com::SHORT directoryLength;
    com::SHORT fileLength;
    com::SHORT extensionLength;
    com::SHORT wildcard;
};

#pragma pack(pop)

static_assert(sizeof(MachinePathRecord) == 262);
static_assert(offsetof(MachinePathRecord, path) == 2);
static_assert(sizeof(ParseRecord) == 270);
static_assert(offsetof(ParseRecord, driveLength) == 260);
static_assert(offsetof(ParseRecord, wildcard) == 268);

} // namespace velox::tanlink
