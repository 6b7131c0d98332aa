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

// In the order of the dispatch map, which gives the DISPIDs.
constexpr MemberInfo kMembers[] = {
    M::init(1),
    M::connect(2),
    controlMethod(3, "GetDirectory", VT_DISPATCH, kMachineDirectory,
                  controlThunk<C, &C::GetDirectory>),
    M::disconnect(4),
    M::copyFile(5),
    M::moveFile(6),
    M::deleteFile(7),
    M::renameFile(8),
    M::deleteDirectory(9),
    controlMethod(10, "GetDrives", VT_I4, kMachine, controlThunk<C, &C::GetDrives>),
    controlMethod(11, "GetDriveInfo", VT_DISPATCH, kMachineDriveName,
                  controlThunk<C, &C::GetDriveInfo>),
    M::labelDrive(12),
    M::createDirectory(13),
    M::moveDirectory(14),
    M::setAttributes(15),
    M::parseFile(16),
    M::copyDirectory(17),
    M::renameDirectory(18),
    controlMethod(19, "GetFileInfo", VT_DISPATCH, kMachineFileName,
                  controlThunk<C, &C::GetFileInfo>),
    controlMethod(20, "GetMachineInfo", VT_I4, kMachine, controlThunk<C, &C::GetMachineInfo>),
    controlMethod(21, "GetExtraMachineInfo", VT_DISPATCH, kMachine,
                  controlThunk<C, &C::GetExtraMachineInfo>),
    M::machineSyncTime(22),
    M::format(23),
    M::matchWildcard(24),
    controlMethod(25, "CancelOperation", VT_I4, {}, controlThunk<C, &C::CancelOperation>),
    M::setConfiguration(26),
    M::getConfiguration(27),
    M::closePrograms(28),
    M::startProgram(29),
    M::stopProgram(30),
    M::readConfig(31),
    M::writeConfig(32),
    M::aboutBox(),
};

const InterfaceInfo kInterface{IID__DTandemEng, "_DTandemEng", kMembers,
                               "Dispatch interface for Tandem Engine (Asynch)",
                               TYPEFLAG_FDISPATCHABLE | TYPEFLAG_FHIDDEN};

} // namespace

const InterfaceInfo& CTanlinkCtrl::dispatchInterface() {
    return kInterface;
}

IDispatch* CTanlinkCtrl::GetDirectory(SHORT machine, BSTR directory) {
    ITandemEngine* e = requireEngine();
    MachinePathRecord rec;
    packOrFail(machine, directory, rec);
    return objectFrom<CTdmDirObj>([&](ITandemDirectory** slot) { e->GetDirectory(&rec, slot); });
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
    ITandemEngine* e = requireEngine();
    MachinePathRecord rec;
    packOrFail(machine, driveName, rec);
    return objectFrom<CTdmDrive>([&](ITandemDrive** slot) { e->GetDriveInfo(&rec, slot); });
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
    ITandemEngine* e = requireEngine();
    MachinePathRecord rec;
    packOrFail(machine, fileName, rec);
    return objectFrom<CTdmFile>([&](ITandemFile** slot) { e->GetFileInfo(&rec, slot); });
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
    ITandemEngine* e = engine();
    if (e == nullptr) {
        return CO_E_NOTINITIALIZED;
    }
    LONG result = 0;
    e->CancelOperation(&result);
    return result;
}

} // namespace velox::tanlink
