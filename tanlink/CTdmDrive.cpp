#include "tanlink/CTdmDrive.h"

#include "platform/com/Ansi.h"
#include "platform/com/DispatchThunk.h"
#include "tanlink/EngineCodes.h"
#include "tanlink/InfoRecords.h"
#include "tanlink/ObjectNotReady.h"

namespace velox::tanlink {

using namespace com;

namespace {

constexpr MemberInfo kMembers[] = {
    {1, "GetSize", MemberKind::Method, VT_I4, {}, dispatchThunk<&CTdmDrive::GetSize>},
    {2, "GetName", MemberKind::Method, VT_BSTR, {}, dispatchThunk<&CTdmDrive::GetName>},
    {3,
     "GetDevFreeSpace",
     MemberKind::Method,
     VT_I4,
     {},
     dispatchThunk<&CTdmDrive::GetDevFreeSpace>},
};

const InterfaceInfo kInterface{IID_ITdmDrive, "ITdmDrive", kMembers};

} // namespace

const InterfaceInfo& CTdmDrive::dispatchInterface() {
    return kInterface;
}

LONG CTdmDrive::GetSize() {
    return static_cast<LONG>(
        readLow32(informationRecord(), drive_record::kTotalSizeLow, drive_record::kTotalSizeHigh));
}

BSTR CTdmDrive::GetName() {
    const QByteArray name = readText(informationRecord(), drive_record::kName,
                                     drive_record::kSize - drive_record::kName);
    return bstrFromQString(unicodeFromAnsi(name));
}

LONG CTdmDrive::GetDevFreeSpace() {
    return static_cast<LONG>(
        readLow32(informationRecord(), drive_record::kFreeSpaceLow, drive_record::kFreeSpaceHigh));
}

} // namespace velox::tanlink
