#include "tanlink/CTdmMachine.h"

#include "platform/com/Ansi.h"
#include "platform/com/DispatchThunk.h"
#include "tanlink/EngineCodes.h"
#include "tanlink/InfoRecords.h"
#include "tanlink/ObjectNotReady.h"

namespace velox::tanlink {

using namespace com;
using namespace machine_record;

namespace {

constexpr ParamInfo kGetId[] = {{"High", VT_I4 | VT_BYREF}, {"Low", VT_I4 | VT_BYREF}};
constexpr ParamInfo kGetRomVersion[] = {
    {"Major", VT_I2 | VT_BYREF}, {"Minor", VT_I2 | VT_BYREF}, {"Build", VT_I4 | VT_BYREF}};
constexpr ParamInfo kGetDisplaySize[] = {{"Width", VT_I4 | VT_BYREF}, {"Height", VT_I4 | VT_BYREF}};
constexpr ParamInfo kGetMemoryDetails[] = {
    {"TotalRam", VT_I4 | VT_BYREF},        {"TotalRom", VT_I4 | VT_BYREF},
    {"FreeRam", VT_I4 | VT_BYREF},         {"MaxFreeRam", VT_I4 | VT_BYREF},
    {"InternalDiskRam", VT_I4 | VT_BYREF}, {"RegistryRam", VT_I4 | VT_BYREF}};

constexpr MemberInfo kMembers[] = {
    {1, "GetName", MemberKind::Method, VT_BSTR, {}, dispatchThunk<&CTdmMachine::GetName>},
    {2, "GetId", MemberKind::Method, VT_EMPTY, kGetId, dispatchThunk<&CTdmMachine::GetId>},
    {3, "GetTime", MemberKind::Method, VT_BSTR, {}, dispatchThunk<&CTdmMachine::GetTime>},
    {4, "GetLanguage", MemberKind::Method, VT_I4, {}, dispatchThunk<&CTdmMachine::GetLanguage>},
    {5,
     "GetMainBatteryStatus",
     MemberKind::Method,
     VT_I4,
     {},
     dispatchThunk<&CTdmMachine::GetMainBatteryStatus>},
    {6,
     "GetBackupBatteryStatus",
     MemberKind::Method,
     VT_I4,
     {},
     dispatchThunk<&CTdmMachine::GetBackupBatteryStatus>},
    {7,
     "GetDaylightSaving",
     MemberKind::Method,
     VT_I4,
     {},
     dispatchThunk<&CTdmMachine::GetDaylightSaving>},
    {8, "GetRomVersion", MemberKind::Method, VT_EMPTY, kGetRomVersion,
     dispatchThunk<&CTdmMachine::GetRomVersion>},
    {9, "GetDisplaySize", MemberKind::Method, VT_EMPTY, kGetDisplaySize,
     dispatchThunk<&CTdmMachine::GetDisplaySize>},
    {10, "GetMemoryDetails", MemberKind::Method, VT_EMPTY, kGetMemoryDetails,
     dispatchThunk<&CTdmMachine::GetMemoryDetails>},
    {11,
     "GetCurrentConsumption",
     MemberKind::Method,
     VT_I4,
     {},
     dispatchThunk<&CTdmMachine::GetCurrentConsumption>},
    {12,
     "IsExternalPowerPresent",
     MemberKind::Method,
     VT_I2,
     {},
     dispatchThunk<&CTdmMachine::IsExternalPowerPresent>},
    {13,
     "IsRomReprogrammable",
     MemberKind::Method,
     VT_I2,
     {},
     dispatchThunk<&CTdmMachine::IsRomReprogrammable>},
};

const InterfaceInfo kInterface{IID_ITdmMachine, "ITdmMachine", kMembers};

BSTR textField(const BYTE* record, std::size_t offset) {
    return bstrFromQString(unicodeFromAnsi(readText(record, offset, kTextSize)));
}

} // namespace

const InterfaceInfo& CTdmMachine::dispatchInterface() {
    return kInterface;
}

BSTR CTdmMachine::GetName() {
    return textField(informationRecord(), kName);
}

void CTdmMachine::GetId(LONG* high, LONG* low) {
    const BYTE* r = informationRecord();
    *high = readLong(r, kIdHigh);
    *low = readLong(r, kIdLow);
}

BSTR CTdmMachine::GetTime() {
    return textField(informationRecord(), kTime);
}

LONG CTdmMachine::GetLanguage() {
    return readLong(informationRecord(), kLanguage);
}

LONG CTdmMachine::GetMainBatteryStatus() {
    return readLong(informationRecord(), kMainBatteryStatus);
}

LONG CTdmMachine::GetBackupBatteryStatus() {
    return readLong(informationRecord(), kBackupBatteryStatus);
}

LONG CTdmMachine::GetDaylightSaving() {
    return readLong(informationRecord(), kDaylightSaving);
}

void CTdmMachine::GetRomVersion(SHORT* major, SHORT* minor, LONG* build) {
    const BYTE* r = informationRecord();
    *major = static_cast<SHORT>(readSignedByte(r, kRomMajor));
    *minor = static_cast<SHORT>(readSignedByte(r, kRomMinor));
    *build = readLong(r, kRomBuild);
}

void CTdmMachine::GetDisplaySize(LONG* width, LONG* height) {
    const BYTE* r = informationRecord();
    *width = readLong(r, kDisplayWidth);
    *height = readLong(r, kDisplayHeight);
}

void CTdmMachine::GetMemoryDetails(LONG* totalRam, LONG* totalRom, LONG* freeRam, LONG* maxFreeRam,
                                   LONG* internalDiskRam, LONG* registryRam) {
    const BYTE* r = informationRecord();
    *totalRam = readLong(r, kTotalRam);
    *totalRom = readLong(r, kTotalRom);
    *freeRam = readLong(r, kFreeRam);
    *maxFreeRam = readLong(r, kMaxFreeRam);
    *internalDiskRam = readLong(r, kInternalDiskRam);
    *registryRam = readLong(r, kRegistryRam);
}

LONG CTdmMachine::GetCurrentConsumption() {
    return readLong(informationRecord(), kCurrentConsumption);
}

CTdmMachine::SHORT CTdmMachine::IsExternalPowerPresent() {
    return readLong(informationRecord(), kExternalPowerPresent) == 1 ? 1 : 0;
}

CTdmMachine::SHORT CTdmMachine::IsRomReprogrammable() {
    return readLong(informationRecord(), kRomReprogrammable) == 1 ? 1 : 0;
}

} // namespace velox::tanlink
