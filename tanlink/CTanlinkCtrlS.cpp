#include "tanlink/CTanlinkCtrlS.h"

#include "tanlink/CTdmDirObj.h"
#include "tanlink/CTdmDrive.h"
#include "tanlink/CTdmFile.h"
#include "tanlink/CTdmMachine.h"
#include "tanlink/ControlParams.h"
#include "tanlink/LinkControlMembers.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace velox::tanlink {

using namespace com;
using namespace control_params;

namespace {

using C = CTanlinkCtrlS;
using M = LinkControlMembers<C>;

// The members of this control alone; the table puts them in DISPID order
// among the shared ones.
constexpr auto kMembers = M::table(
    std::array{
        controlMethod(3, "GetDirectory", VT_DISPATCH, kMachineDirectoryS,
                      controlThunk<C, &C::GetDirectory>),
        controlMethod(10, "GetDrives", VT_BSTR, kMachineErrorS, controlThunk<C, &C::GetDrives>),
        controlMethod(11, "GetDriveInfo", VT_DISPATCH, kMachineDriveNameS,
                      controlThunk<C, &C::GetDriveInfo>),
        controlMethod(19, "GetFileInfo", VT_DISPATCH, kMachineFileNameS,
                      controlThunk<C, &C::GetFileInfo>),
        controlMethod(20, "GetMachineOwnerInfo", VT_BSTR, kMachineErrorS,
                      controlThunk<C, &C::GetMachineOwnerInfo>),
        controlMethod(21, "GetExtraMachineInfo", VT_DISPATCH, kMachineErrorS,
                      controlThunk<C, &C::GetExtraMachineInfo>),
        controlMethod(32, "GetMachineTypeInfo", VT_I4, kMachineErrorS,
                      controlThunk<C, &C::GetMachineTypeInfo>),
    },
    25);

const InterfaceInfo kInterface{IID__DTandemEngS, "_DTandemEngS", kMembers, nullptr,
                               TYPEFLAG_FDISPATCHABLE | TYPEFLAG_FHIDDEN};

void setCode(LONG* lError, LONG code) {
    if (lError != nullptr) {
        *lError = code;
    }
}

// The text of a buffer the engine filled, up to its first NUL.
BSTR textOf(const std::vector<char>& buffer) {
    const auto end = std::find(buffer.begin(), buffer.end(), '\0');
    const QByteArray text(buffer.data(), static_cast<qsizetype>(end - buffer.begin()));
    return bstrFromQString(unicodeFromAnsi(text));
}

} // namespace

const InterfaceInfo& CTanlinkCtrlS::dispatchInterface() {
    return kInterface;
}

ITandemEngineS* CTanlinkCtrlS::engineFor(LONG* lError) {
    ITandemEngineS* e = engine();
    if (e == nullptr) {
        setCode(lError, CO_E_NOTINITIALIZED);
    }
    return e;
}

template <typename Object, typename Call>
IDispatch* CTanlinkCtrlS::objectOnPath(SHORT machine, BSTR path, LONG* lError, Call&& call) {
    ITandemEngineS* e = engineFor(lError);
    if (e == nullptr) {
        return nullptr;
    }
    MachinePathRecord rec;
    if (const LONG packed = packMachinePath(machine, qStringFromBstr(path), rec); packed != kOk) {
        setCode(lError, packed);
        return nullptr;
    }
    return objectFrom<Object>(
        [&](auto** slot) { setCode(lError, std::invoke(call, e, &rec, slot)); });
}

IDispatch* CTanlinkCtrlS::GetDirectory(SHORT machine, BSTR directory, LONG* lError,
                                       SHORT* numFiles) {
    return objectOnPath<CTdmDirObj>(
        machine, directory, lError,
        [numFiles](ITandemEngineS* e, MachinePathRecord* rec, ITandemDirectory** slot) {
            SHORT count = 0;
            const LONG code = e->GetDirectory(rec, slot, &count);
            if (numFiles != nullptr) {
                *numFiles = count;
            }
            return code;
        });
}

BSTR CTanlinkCtrlS::GetDrives(SHORT machine, LONG* lError) {
    ITandemEngineS* e = engineFor(lError);
    if (e == nullptr) {
        return SysAllocString(u"");
    }
    MachinePathRecord rec;
    packMachinePath(machine, std::string_view(""), rec); // the machine alone
    std::vector<char> drives(kDriveListSize, '\0');
    setCode(lError, e->GetDrives(&rec, drives.data(), kDriveListSize));
    return textOf(drives);
}

IDispatch* CTanlinkCtrlS::GetDriveInfo(SHORT machine, BSTR driveName, LONG* lError) {
    return objectOnPath<CTdmDrive>(machine, driveName, lError, &ITandemEngineS::GetDriveInfo);
}

BSTR CTanlinkCtrlS::ParseFile(BSTR part1, BSTR part2, BSTR part3, SHORT* /*driveLen*/,
                              SHORT* /*dirLen*/, SHORT* /*fileLen*/, SHORT* /*extLen*/,
                              SHORT* /*wild*/) {
    ParseRecord parsed;
    return parse(part1, part2, part3, parsed);
}

IDispatch* CTanlinkCtrlS::GetFileInfo(SHORT machine, BSTR fileName, LONG* lError) {
    return objectOnPath<CTdmFile>(machine, fileName, lError, &ITandemEngineS::GetFileInfo);
}

BSTR CTanlinkCtrlS::GetMachineOwnerInfo(SHORT machine, LONG* lError) {
    ITandemEngineS* e = engineFor(lError);
    if (e == nullptr) {
        return SysAllocString(u"");
    }
    std::vector<char> owner(kOwnerInfoSize, '\0');
    SHORT type = 0;
    setCode(lError, e->GetMachineInfo(machine, owner.data(), kOwnerInfoSize, &type));
    return textOf(owner);
}

IDispatch* CTanlinkCtrlS::GetExtraMachineInfo(SHORT machine, LONG* lError) {
    ITandemEngineS* e = engineFor(lError);
    if (e == nullptr) {
        return nullptr;
    }
    return objectFrom<CTdmMachine>(
        [&](ITandemMachine** slot) { setCode(lError, e->GetExtraMachineInfo(machine, slot)); });
}

LONG CTanlinkCtrlS::GetMachineTypeInfo(SHORT machine, LONG* lError) {
    ITandemEngineS* e = engineFor(lError);
    if (e == nullptr) {
        return 0;
    }
    std::vector<char> owner(kTypeInfoSize, '\0');
    SHORT type = 0;
    setCode(lError, e->GetMachineInfo(machine, owner.data(), kTypeInfoSize, &type));
    return static_cast<LONG>(static_cast<USHORT>(type));
}

} // namespace velox::tanlink
