#pragma once

// The dispatch members both link controls have, with the name, result and
// parameters they share. Each control's member table lists them under its
// own DISPIDs (the order of its dispatch map) beside its own members.

#include "platform/com/DispatchTable.h"
#include "tanlink/ControlParams.h"
#include "tanlink/ControlThunk.h"

namespace velox::tanlink {

constexpr com::MemberInfo controlMethod(com::DISPID id, const char* name, com::VARTYPE result,
                                        std::span<const com::ParamInfo> params,
                                        com::DispatchThunk thunk) {
    return com::MemberInfo{id, name, com::MemberKind::Method, result, params, thunk};
}

template <typename C> struct LinkControlMembers {
    using DISPID = com::DISPID;

    static constexpr com::MemberInfo init(DISPID id) {
        return controlMethod(id, "Init", com::VT_I4, {}, controlThunk<C, &C::Init>);
    }
    static constexpr com::MemberInfo connect(DISPID id) {
        return controlMethod(id, "Connect", com::VT_I4, control_params::kConnect,
                             controlThunk<C, &C::Connect>);
    }
    static constexpr com::MemberInfo disconnect(DISPID id) {
        return controlMethod(id, "Disconnect", com::VT_I4, {}, controlThunk<C, &C::Disconnect>);
    }
    static constexpr com::MemberInfo copyFile(DISPID id) {
        return controlMethod(id, "CopyFile", com::VT_I4, control_params::kFileTransfer,
                             controlThunk<C, &C::CopyFile>);
    }
    static constexpr com::MemberInfo moveFile(DISPID id) {
        return controlMethod(id, "MoveFile", com::VT_I4, control_params::kFileTransfer,
                             controlThunk<C, &C::MoveFile>);
    }
    static constexpr com::MemberInfo deleteFile(DISPID id) {
        return controlMethod(id, "DeleteFile", com::VT_I4, control_params::kMachineFileName,
                             controlThunk<C, &C::DeleteFile>);
    }
    static constexpr com::MemberInfo renameFile(DISPID id) {
        return controlMethod(id, "RenameFile", com::VT_I4, control_params::kRenameFile,
                             controlThunk<C, &C::RenameFile>);
    }
    static constexpr com::MemberInfo deleteDirectory(DISPID id) {
        return controlMethod(id, "DeleteDirectory", com::VT_I4, control_params::kMachineDirName,
                             controlThunk<C, &C::DeleteDirectory>);
    }
    static constexpr com::MemberInfo labelDrive(DISPID id) {
        return controlMethod(id, "LabelDrive", com::VT_I4, control_params::kLabelDrive,
                             controlThunk<C, &C::LabelDrive>);
    }
    static constexpr com::MemberInfo createDirectory(DISPID id) {
        return controlMethod(id, "CreateDirectory", com::VT_I4, control_params::kMachineDirName,
                             controlThunk<C, &C::CreateDirectory>);
    }
    static constexpr com::MemberInfo moveDirectory(DISPID id) {
        return controlMethod(id, "MoveDirectory", com::VT_I4, control_params::kDirectoryTransfer,
                             controlThunk<C, &C::MoveDirectory>);
    }
    static constexpr com::MemberInfo setAttributes(DISPID id) {
        return controlMethod(id, "SetAttributes", com::VT_I4, control_params::kSetAttributes,
                             controlThunk<C, &C::SetAttributes>);
    }
    static constexpr com::MemberInfo parseFile(DISPID id) {
        return controlMethod(id, "ParseFile", com::VT_BSTR, control_params::kParseFile,
                             controlThunk<C, &C::ParseFile>);
    }
    static constexpr com::MemberInfo copyDirectory(DISPID id) {
        return controlMethod(id, "CopyDirectory", com::VT_I4, control_params::kDirectoryTransfer,
                             controlThunk<C, &C::CopyDirectory>);
    }
    static constexpr com::MemberInfo renameDirectory(DISPID id) {
        return controlMethod(id, "RenameDirectory", com::VT_I4, control_params::kRenameDirectory,
                             controlThunk<C, &C::RenameDirectory>);
    }
    static constexpr com::MemberInfo machineSyncTime(DISPID id) {
        return controlMethod(id, "MachineSyncTime", com::VT_I4, {},
                             controlThunk<C, &C::MachineSyncTime>);
    }
    static constexpr com::MemberInfo format(DISPID id) {
        return controlMethod(id, "Format", com::VT_I4, control_params::kMachineDrive,
                             controlThunk<C, &C::Format>);
    }
    static constexpr com::MemberInfo matchWildcard(DISPID id) {
        return controlMethod(id, "MatchWildcard", com::VT_BOOL, control_params::kMatchWildcard,
                             controlThunk<C, &C::MatchWildcard>);
    }
    static constexpr com::MemberInfo setConfiguration(DISPID id) {
        return controlMethod(id, "SetConfiguration", com::VT_I4, control_params::kSetConfiguration,
                             controlThunk<C, &C::SetConfiguration>);
    }
    static constexpr com::MemberInfo getConfiguration(DISPID id) {
        return controlMethod(id, "GetConfiguration", com::VT_I4, control_params::kGetConfiguration,
                             controlThunk<C, &C::GetConfiguration>);
    }
    static constexpr com::MemberInfo closePrograms(DISPID id) {
        return controlMethod(id, "ClosePrograms", com::VT_I4, control_params::kMachineDrive,
                             controlThunk<C, &C::ClosePrograms>);
    }
    static constexpr com::MemberInfo startProgram(DISPID id) {
        return controlMethod(id, "StartProgram", com::VT_I4, control_params::kMachineFile,
                             controlThunk<C, &C::StartProgram>);
    }
    static constexpr com::MemberInfo stopProgram(DISPID id) {
        return controlMethod(id, "StopProgram", com::VT_I4, control_params::kMachineFile,
                             controlThunk<C, &C::StopProgram>);
    }
    static constexpr com::MemberInfo readConfig(DISPID id) {
        return controlMethod(id, "ReadConfig", com::VT_I4, control_params::kReadConfig,
                             controlThunk<C, &C::ReadConfig>);
    }
    static constexpr com::MemberInfo writeConfig(DISPID id) {
        return controlMethod(id, "WriteConfig", com::VT_I4, control_params::kWriteConfig,
                             controlThunk<C, &C::WriteConfig>);
    }
    static constexpr com::MemberInfo aboutBox() {
        return controlMethod(com::DISPID_ABOUTBOX, "AboutBox", com::VT_EMPTY, {},
                             controlThunk<C, &C::AboutBox>);
    }
};

} // namespace velox::tanlink
