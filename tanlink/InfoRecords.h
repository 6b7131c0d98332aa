#pragma once

// The engine's three information records, byte for byte (little-endian,
// packed). The engine fills the structures; the automation objects read
// fields at the offsets below through the readers, bounded by each record's
// size. The static_asserts tie both views together.

#include "platform/com/Date.h"
#include "platform/com/Types.h"

#include <QByteArray>
#include <cstddef>

namespace velox::tanlink {

using com::BYTE;
using com::DWORD;
using com::LONG;

#pragma pack(push, 1)

struct DriveInfoRecord {
    BYTE reserved0[20];
    DWORD totalSizeLow;  // 20
    DWORD totalSizeHigh; // 24
    DWORD freeSpaceLow;  // 28
    DWORD freeSpaceHigh; // 32
    BYTE reserved36[260];
    char name[32]; // 296, NUL-terminated ANSI
};

struct FileInfoRecord {
    BYTE reserved0[2];
    DWORD attributes;   // 2
    DWORD modifiedLow;  // 6, FILETIME in UTC
    DWORD modifiedHigh; // 10
    DWORD size;         // 14
};

struct MachineInfoRecord {
    char name[32];             // 0, NUL-terminated ANSI
    DWORD idLow;               // 32
    DWORD idHigh;              // 36
    LONG language;             // 40
    char time[32];             // 44, NUL-terminated ANSI
    LONG daylightSaving;       // 76
    signed char romMajor;      // 80
    signed char romMinor;      // 81
    LONG romBuild;             // 82
    LONG displayWidth;         // 86
    LONG displayHeight;        // 90
    LONG mainBatteryStatus;    // 94
    LONG backupBatteryStatus;  // 98
    LONG currentConsumption;   // 102
    LONG externalPowerPresent; // 106, 1 means yes
    LONG totalRam;             // 110
    LONG totalRom;             // 114
    LONG maxFreeRam;           // 118
    LONG freeRam;              // 122
    LONG internalDiskRam;      // 126
    LONG registryRam;          // 130
    LONG romReprogrammable;    // 134, 1 means yes
};

#pragma pack(pop)

namespace drive_record {
inline constexpr std::size_t kTotalSizeLow = 20;
inline constexpr std::size_t kTotalSizeHigh = 24;
inline constexpr std::size_t kFreeSpaceLow = 28;
inline constexpr std::size_t kFreeSpaceHigh = 32;
inline constexpr std::size_t kName = 296;
inline constexpr std::size_t kSize = sizeof(DriveInfoRecord);
} // namespace drive_record

namespace file_record {
inline constexpr std::size_t kAttributes = 2;
inline constexpr std::size_t kModified = 6;
inline constexpr std::size_t kSize = 14;
inline constexpr std::size_t kRecordSize = sizeof(FileInfoRecord);
} // namespace file_record

namespace machine_record {
inline constexpr std::size_t kName = 0;
inline constexpr std::size_t kTextSize = 32;
inline constexpr std::size_t kIdLow = 32;
inline constexpr std::size_t kIdHigh = 36;
inline constexpr std::size_t kLanguage = 40;
inline constexpr std::size_t kTime = 44;
inline constexpr std::size_t kDaylightSaving = 76;
inline constexpr std::size_t kRomMajor = 80;
inline constexpr std::size_t kRomMinor = 81;
inline constexpr std::size_t kRomBuild = 82;
inline constexpr std::size_t kDisplayWidth = 86;
inline constexpr std::size_t kDisplayHeight = 90;
inline constexpr std::size_t kMainBatteryStatus = 94;
inline constexpr std::size_t kBackupBatteryStatus = 98;
inline constexpr std::size_t kCurrentConsumption = 102;
inline constexpr std::size_t kExternalPowerPresent = 106;
inline constexpr std::size_t kTotalRam = 110;
inline constexpr std::size_t kTotalRom = 114;
inline constexpr std::size_t kMaxFreeRam = 118;
inline constexpr std::size_t kFreeRam = 122;
inline constexpr std::size_t kInternalDiskRam = 126;
inline constexpr std::size_t kRegistryRam = 130;
inline constexpr std::size_t kRomReprogrammable = 134;
inline constexpr std::size_t kSize = sizeof(MachineInfoRecord);
} // namespace machine_record

static_assert(offsetof(DriveInfoRecord, totalSizeLow) == drive_record::kTotalSizeLow);
static_assert(offsetof(DriveInfoRecord, totalSizeHigh) == drive_record::kTotalSizeHigh);
static_assert(offsetof(DriveInfoRecord, freeSpaceLow) == drive_record::kFreeSpaceLow);
static_assert(offsetof(DriveInfoRecord, freeSpaceHigh) == drive_record::kFreeSpaceHigh);
static_assert(offsetof(DriveInfoRecord, name) == drive_record::kName);
static_assert(offsetof(FileInfoRecord, attributes) == file_record::kAttributes);
static_assert(offsetof(FileInfoRecord, modifiedLow) == file_record::kModified);
static_assert(offsetof(FileInfoRecord, size) == file_record::kSize);
static_assert(offsetof(MachineInfoRecord, idLow) == machine_record::kIdLow);
static_assert(offsetof(MachineInfoRecord, idHigh) == machine_record::kIdHigh);
static_assert(offsetof(MachineInfoRecord, language) == machine_record::kLanguage);
static_assert(offsetof(MachineInfoRecord, time) == machine_record::kTime);
static_assert(offsetof(MachineInfoRecord, daylightSaving) == machine_record::kDaylightSaving);
static_assert(offsetof(MachineInfoRecord, romMajor) == machine_record::kRomMajor);
static_assert(offsetof(MachineInfoRecord, romMinor) == machine_record::kRomMinor);
static_assert(offsetof(MachineInfoRecord, romBuild) == machine_record::kRomBuild);
static_assert(offsetof(MachineInfoRecord, displayWidth) == machine_record::kDisplayWidth);
static_assert(offsetof(MachineInfoRecord, displayHeight) == machine_record::kDisplayHeight);
static_assert(offsetof(MachineInfoRecord, mainBatteryStatus) == machine_record::kMainBatteryStatus);
static_assert(offsetof(MachineInfoRecord, backupBatteryStatus) ==
              machine_record::kBackupBatteryStatus);
static_assert(offsetof(MachineInfoRecord, currentConsumption) ==
              machine_record::kCurrentConsumption);
static_assert(offsetof(MachineInfoRecord, externalPowerPresent) ==
              machine_record::kExternalPowerPresent);
static_assert(offsetof(MachineInfoRecord, totalRam) == machine_record::kTotalRam);
static_assert(offsetof(MachineInfoRecord, totalRom) == machine_record::kTotalRom);
static_assert(offsetof(MachineInfoRecord, maxFreeRam) == machine_record::kMaxFreeRam);
static_assert(offsetof(MachineInfoRecord, freeRam) == machine_record::kFreeRam);
static_assert(offsetof(MachineInfoRecord, internalDiskRam) == machine_record::kInternalDiskRam);
static_assert(offsetof(MachineInfoRecord, registryRam) == machine_record::kRegistryRam);
static_assert(offsetof(MachineInfoRecord, romReprogrammable) == machine_record::kRomReprogrammable);

// Readers over a record's bytes (little-endian).
DWORD readDword(const BYTE* record, std::size_t offset);
LONG readLong(const BYTE* record, std::size_t offset);
int readSignedByte(const BYTE* record, std::size_t offset);
// The NUL-terminated text at `offset`, at most `capacity` bytes.
QByteArray readText(const BYTE* record, std::size_t offset, std::size_t capacity);
// The low 32 bits of the 64-bit value whose halves are at the two offsets.
DWORD readLow32(const BYTE* record, std::size_t lowOffset, std::size_t highOffset);
com::FILETIME readFileTime(const BYTE* record, std::size_t offset);

} // namespace velox::tanlink
