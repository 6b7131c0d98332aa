#include "tanlink/CTanlinkCtrlS.h"

#include "tanlink/CTdmDirObj.h"
#include "tanlink/CTdmDrive.h"
#include "tanlink/CTdmFile.h"
#include "tanlink/CTdmMachine.h"
#include "tanlink/ControlParams.h"
#include "tanlink/ControlThunk.h"

#include <algorithm>
#include <vector>

namespace velox::tanlink {

using namespace com;
using namespace control_params;

namespace {

using C = CTanlinkCtrlS;

constexpr MemberInfo method(DISPID id, const char* name, VARTYPE result,
                            std::span<const ParamInfo> params, DispatchThunk thunk) {
    return MemberInfo{id, name, MemberKind::Method, result, params, thunk};
}

// In the order of the dispatch map, which gives the DISPIDs.
constexpr MemberInfo kMembers[] = {
    method(1, "Init", VT_I4, {}, controlThunk<C, &C::Init>),
    method(2, "Connect", VT_I4, kConnect, controlThunk<C, &C::Connect>),
    method(3, "GetDirectory", VT_DISPATCH, kMachineDirectoryS, controlThunk<C, &C::GetDirectory>),
    method(4, "Disconnect", VT_I4, {}, controlThunk<C, &C::Disconnect>),
    method(5, "CopyFile", VT_I4, kFileTransfer, controlThunk<C, &C::CopyFile>),
    method(6, "MoveFile", VT_I4, kFileTransfer, controlThunk<C, &C::MoveFile>),
    method(7, "DeleteFile", VT_I4, kMachineFileName, controlThunk<C, &C::DeleteFile>),
    method(8, "RenameFile", VT_I4, kRenameFile, controlThunk<C, &C::RenameFile>),
    method(9, "DeleteDirectory", VT_I4, kMachineDirName, controlThunk<C, &C::DeleteDirectory>),
    method(10, "GetDrives", VT_BSTR, kMachineErrorS, controlThunk<C, &C::GetDrives>),
    method(11, "GetDriveInfo", VT_DISPATCH, kMachineDriveNameS, controlThunk<C, &C::GetDriveInfo>),
    method(12, "LabelDrive", VT_I4, kLabelDrive, controlThunk<C, &C::LabelDrive>),
    method(13, "CreateDirectory", VT_I4, kMachineDirName, controlThunk<C, &C::CreateDirectory>),
    method(14, "MoveDirectory", VT_I4, kDirectoryTransfer, controlThunk<C, &C::MoveDirectory>),
    method(15, "SetAttributes", VT_I4, kSetAttributes, controlThunk<C, &C::SetAttributes>),
    method(16, "ParseFile", VT_BSTR, kParseFile, controlThunk<C, &C::ParseFile>),
    method(17, "CopyDirectory", VT_I4, kDirectoryTransfer, controlThunk<C, &C::CopyDirectory>),
    method(18, "RenameDirectory", VT_I4, kRenameDirectory, controlThunk<C, &C::RenameDirectory>),
    method(19, "GetFileInfo", VT_DISPATCH, kMachineFileNameS, controlThunk<C, &C::GetFileInfo>),
    method(20, "GetMachineOwnerInfo", VT_BSTR, kMachineErrorS,
           controlThunk<C, &C::GetMachineOwnerInfo>),
    method(21, "GetExtraMachineInfo", VT_DISPATCH, kMachineErrorS,
           controlThunk<C, &C::GetExtraMachineInfo>),
    method(22, "MachineSyncTime", VT_I4, {}, controlThunk<C, &C::MachineSyncTime>),
    method(23, "Format", VT_I4, kMachineDrive, controlThunk<C, &C::Format>),
    method(24, "MatchWildcard", VT_BOOL, kMatchWildcard, controlThunk<C, &C::MatchWildcard>),
    method(25, "SetConfiguration", VT_I4, kSetConfiguration, controlThunk<C, &C::SetConfiguration>),
    method(26, "GetConfiguration", VT_I4, kGetConfiguration, controlThunk<C, &C::GetConfiguration>),
    method(27, "ClosePrograms", VT_I4, kMachineDrive, controlThunk<C, &C::ClosePrograms>),
    method(28, "StartProgram", VT_I4, kMachineFile, controlThunk<C, &C::StartProgram>),
    method(29, "StopProgram", VT_I4, kMachineFile, controlThunk<C, &C::StopProgram>),
    method(30, "ReadConfig", VT_I4, kReadConfig, controlThunk<C, &C::ReadConfig>),
    method(31, "WriteConfig", VT_I4, kWriteConfig, controlThunk<C, &C::WriteConfig>),
    method(32, "GetMachineTypeInfo", VT_I4, kMachineErrorS,
           controlThunk<C, &C::GetMachineTypeInfo>),
    method(DISPID_ABOUTBOX, "AboutBox", VT_EMPTY, {}, controlThunk<C, &C::AboutBox>),
};

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

IDispatch* CTanlinkCtrlS::GetDirectory(SHORT machine, BSTR directory, LONG* lError,
                                       SHORT* numFiles) {
    ITandemEngineS* e = engineFor(lError);
    if (e == nullptr) {
        return nullptr;
    }
    MachinePathRecord rec;
    if (const LONG packed = packMachinePath(machine, qStringFromBstr(directory), rec);
        packed != kOk) {
        setCode(lError, packed);
        return nullptr;
    }
    return objectFrom<CTdmDirObj>([&](ITandemDirectory** slot) {
        SHORT count = 0;
        setCode(lError, e->GetDirectory(&rec, slot, &count));
        if (numFiles != nullptr) {
            *numFiles = count;
        }
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
    ITandemEngineS* e = engineFor(lError);
    if (e == nullptr) {
        return nullptr;
    }
    MachinePathRecord rec;
    if (const LONG packed = packMachinePath(machine, qStringFromBstr(driveName), rec);
        packed != kOk) {
        setCode(lError, packed);
        return nullptr;
    }
    return objectFrom<CTdmDrive>(
        [&](ITandemDrive** slot) { setCode(lError, e->GetDriveInfo(&rec, slot)); });
}

BSTR CTanlinkCtrlS::ParseFile(BSTR part1, BSTR part2, BSTR part3, SHORT* /*driveLen*/,
                              SHORT* /*dirLen*/, SHORT* /*fileLen*/, SHORT* /*extLen*/,
                              SHORT* /*wild*/) {
    ParseRecord parsed;
    return parse(part1, part2, part3, parsed);
}

IDispatch* CTanlinkCtrlS::GetFileInfo(SHORT machine, BSTR fileName, LONG* lError) {
    ITandemEngineS* e = engineFor(lError);
    if (e == nullptr) {
        return nullptr;
    }
    MachinePathRecord rec;
    if (const LONG packed = packMachinePath(machine, qStringFromBstr(fileName), rec);
        packed != kOk) {
        setCode(lError, packed);
        return nullptr;
    }
    return objectFrom<CTdmFile>(
        [&](ITandemFile** slot) { setCode(lError, e->GetFileInfo(&rec, slot)); });
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
