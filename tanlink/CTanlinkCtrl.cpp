#include "tanlink/CTanlinkCtrl.h"

#include "tanlink/CTdmDirObj.h"
#include "tanlink/CTdmDrive.h"
#include "tanlink/CTdmFile.h"
#include "tanlink/CTdmMachine.h"
#include "tanlink/ControlParams.h"
#include "tanlink/LinkControlMembers.h"

namespace velox::tanlink {

using namespace com;
using namespace control_params;

namespace {

using C = CTanlinkCtrl;
using M = LinkControlMembers<C>;

// The members of this control alone; the table puts them in DISPID order
// among the shared ones.
constexpr auto kMembers = M::table(
    std::array{
        controlMethod(3, "GetDirectory", VT_DISPATCH, kMachineDirectory,
                      controlThunk<C, &C::GetDirectory>),
        controlMethod(10, "GetDrives", VT_I4, kMachine, controlThunk<C, &C::GetDrives>),
        controlMethod(11, "GetDriveInfo", VT_DISPATCH, kMachineDriveName,
                      controlThunk<C, &C::GetDriveInfo>),
        controlMethod(19, "GetFileInfo", VT_DISPATCH, kMachineFileName,
                      controlThunk<C, &C::GetFileInfo>),
        controlMethod(20, "GetMachineInfo", VT_I4, kMachine, controlThunk<C, &C::GetMachineInfo>),
        controlMethod(21, "GetExtraMachineInfo", VT_DISPATCH, kMachine,
                      controlThunk<C, &C::GetExtraMachineInfo>),
        controlMethod(25, "CancelOperation", VT_I4, {}, controlThunk<C, &C::CancelOperation>),
    },
    26);

const InterfaceInfo kInterface{IID__DTandemEng, "_DTandemEng", kMembers,
                               "Dispatch interface for Tandem Engine (Asynch)",
                               TYPEFLAG_FDISPATCHABLE | TYPEFLAG_FHIDDEN};

} // namespace

const InterfaceInfo& CTanlinkCtrl::dispatchInterface() {
    return kInterface;
}

IDispatch* CTanlinkCtrl::GetDirectory(SHORT machine, BSTR directory) {
    return objectOnPath<CTdmDirObj, &ITandemEngine::GetDirectory>(machine, directory);
}

LONG CTanlinkCtrl::GetDrives(SHORT machine) {
    ITandemEngine* e = engine();
    if (e == nullptr) {
        return CO_E_NOTINITIALIZED;
    }
    MachinePathRecord rec;
    packMachinePath(machine, std::string_view(""), rec); // the machine alone
    return e->GetDrives(&rec);
}

IDispatch* CTanlinkCtrl::GetDriveInfo(SHORT machine, BSTR driveName) {
    return objectOnPath<CTdmDrive, &ITandemEngine::GetDriveInfo>(machine, driveName);
}

BSTR CTanlinkCtrl::ParseFile(BSTR part1, BSTR part2, BSTR part3, SHORT* driveLen, SHORT* dirLen,
                             SHORT* fileLen, SHORT* extLen, SHORT* wild) {
    ParseRecord parsed;
    BSTR path = parse(part1, part2, part3, parsed);
    const auto put = [](SHORT* target, SHORT value) {
        if (target != nullptr) {
            *target = value;
        }
    };
    put(driveLen, parsed.driveLength);
    put(dirLen, parsed.directoryLength);
    put(fileLen, parsed.fileLength);
    put(extLen, parsed.extensionLength);
    put(wild, parsed.wildcard != 0 ? VARIANT_TRUE : VARIANT_FALSE);
    return path;
}

IDispatch* CTanlinkCtrl::GetFileInfo(SHORT machine, BSTR fileName) {
    return objectOnPath<CTdmFile, &ITandemEngine::GetFileInfo>(machine, fileName);
}

LONG CTanlinkCtrl::GetMachineInfo(SHORT machine) {
    ITandemEngine* e = engine();
    return e != nullptr ? e->GetMachineInfo(machine) : CO_E_NOTINITIALIZED;
}

IDispatch* CTanlinkCtrl::GetExtraMachineInfo(SHORT machine) {
    ITandemEngine* e = requireEngine();
    return objectFrom<CTdmMachine>(
        [&](ITandemMachine** slot) { e->GetExtraMachineInfo(machine, slot); });
}

LONG CTanlinkCtrl::CancelOperation() {
    return answerOf([](ITandemEngine* e, LONG* result) { e->CancelOperation(result); });
}

} // namespace velox::tanlink
