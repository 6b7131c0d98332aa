#include "tanlink/CTanlinkCtrl.h"

#include "tanlink/CTdmDirObj.h"
#include "tanlink/CTdmDrive.h"
#include "tanlink/CTdmFile.h"
#include "tanlink/CTdmMachine.h"
#include "tanlink/ControlParams.h"
#include "tanlink/ControlThunk.h"

namespace velox::tanlink {

using namespace com;
using namespace control_params;

namespace {

using C = CTanlinkCtrl;

constexpr MemberInfo method(DISPID id, const char* name, VARTYPE result,
                            std::span<const ParamInfo> params, DispatchThunk thunk) {
    return MemberInfo{id, name, MemberKind::Method, result, params, thunk};
}

// In the order of the dispatch map, which gives the DISPIDs.
constexpr MemberInfo kMembers[] = {
    method(1, "Init", VT_I4, {}, controlThunk<C, &C::Init>),
    method(2, "Connect", VT_I4, kConnect, controlThunk<C, &C::Connect>),
    method(3, "GetDirectory", VT_DISPATCH, kMachineDirectory, controlThunk<C, &C::GetDirectory>),
    method(4, "Disconnect", VT_I4, {}, controlThunk<C, &C::Disconnect>),
    method(5, "CopyFile", VT_I4, kFileTransfer, controlThunk<C, &C::CopyFile>),
    method(6, "MoveFile", VT_I4, kFileTransfer, controlThunk<C, &C::MoveFile>),
    method(7, "DeleteFile", VT_I4, kMachineFileName, controlThunk<C, &C::DeleteFile>),
    method(8, "RenameFile", VT_I4, kRenameFile, controlThunk<C, &C::RenameFile>),
    method(9, "DeleteDirectory", VT_I4, kMachineDirName, controlThunk<C, &C::DeleteDirectory>),
    method(10, "GetDrives", VT_I4, kMachine, controlThunk<C, &C::GetDrives>),
    method(11, "GetDriveInfo", VT_DISPATCH, kMachineDriveName, controlThunk<C, &C::GetDriveInfo>),
    method(12, "LabelDrive", VT_I4, kLabelDrive, controlThunk<C, &C::LabelDrive>),
    method(13, "CreateDirectory", VT_I4, kMachineDirName, controlThunk<C, &C::CreateDirectory>),
    method(14, "MoveDirectory", VT_I4, kDirectoryTransfer, controlThunk<C, &C::MoveDirectory>),
    method(15, "SetAttributes", VT_I4, kSetAttributes, controlThunk<C, &C::SetAttributes>),
    method(16, "ParseFile", VT_BSTR, kParseFile, controlThunk<C, &C::ParseFile>),
    method(17, "CopyDirectory", VT_I4, kDirectoryTransfer, controlThunk<C, &C::CopyDirectory>),
    method(18, "RenameDirectory", VT_I4, kRenameDirectory, controlThunk<C, &C::RenameDirectory>),
    method(19, "GetFileInfo", VT_DISPATCH, kMachineFileName, controlThunk<C, &C::GetFileInfo>),
    method(20, "GetMachineInfo", VT_I4, kMachine, controlThunk<C, &C::GetMachineInfo>),
    method(21, "GetExtraMachineInfo", VT_DISPATCH, kMachine,
           controlThunk<C, &C::GetExtraMachineInfo>),
    method(22, "MachineSyncTime", VT_I4, {}, controlThunk<C, &C::MachineSyncTime>),
    method(23, "Format", VT_I4, kMachineDrive, controlThunk<C, &C::Format>),
    method(24, "MatchWildcard", VT_BOOL, kMatchWildcard, controlThunk<C, &C::MatchWildcard>),
    method(25, "CancelOperation", VT_I4, {}, controlThunk<C, &C::CancelOperation>),
    method(26, "SetConfiguration", VT_I4, kSetConfiguration, controlThunk<C, &C::SetConfiguration>),
    method(27, "GetConfiguration", VT_I4, kGetConfiguration, controlThunk<C, &C::GetConfiguration>),
    method(28, "ClosePrograms", VT_I4, kMachineDrive, controlThunk<C, &C::ClosePrograms>),
    method(29, "StartProgram", VT_I4, kMachineFile, controlThunk<C, &C::StartProgram>),
    method(30, "StopProgram", VT_I4, kMachineFile, controlThunk<C, &C::StopProgram>),
    method(31, "ReadConfig", VT_I4, kReadConfig, controlThunk<C, &C::ReadConfig>),
    method(32, "WriteConfig", VT_I4, kWriteConfig, controlThunk<C, &C::WriteConfig>),
    method(DISPID_ABOUTBOX, "AboutBox", VT_EMPTY, {}, controlThunk<C, &C::AboutBox>),
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
