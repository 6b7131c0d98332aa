#pragma once

// The dispatch members both link controls have, with the name, result and
// parameters they share, and the table that puts each control's own members
// among them. The members that only hand the engine a path or two name the
// engine method they call (LinkControl::onPath and its kin).

#include "platform/com/DispatchTable.h"
#include "tanlink/ControlParams.h"
#include "tanlink/ControlThunk.h"

#include <algorithm>
#include <array>

namespace velox::tanlink {

constexpr com::MemberInfo controlMethod(com::DISPID id, const char* name, com::VARTYPE result,
                                        std::span<const com::ParamInfo> params,
                                        com::DispatchThunk thunk) {
    return com::MemberInfo{id, name, com::MemberKind::Method, result, params, thunk};
}

template <typename C> struct LinkControlMembers {
    using DISPID = com::DISPID;
    using E = typename C::EngineInterface;

    // How many members both controls have, AboutBox aside.
    static constexpr std::size_t kShared = 25;

    // A control's member table: the members both controls have, under the
    // DISPIDs both give them (the configuration run from
    // `firstConfigurationId` on), and the control's `own`, in DISPID order
    // with AboutBox last.
    template <std::size_t N>
    static constexpr std::array<com::MemberInfo, N + kShared + 1>
    table(const std::array<com::MemberInfo, N>& own, DISPID firstConfigurationId) {
        using namespace com;
        using namespace control_params;
        const DISPID c = firstConfigurationId;
        std::array<MemberInfo, N + kShared + 1> members{{
            controlMethod(1, "Init", VT_I4, {}, controlThunk<C, &C::Init>),
            controlMethod(2, "Connect", VT_I4, kConnect, controlThunk<C, &C::Connect>),
            controlMethod(4, "Disconnect", VT_I4, {}, controlThunk<C, &C::Disconnect>),
            controlMethod(5, "CopyFile", VT_I4, kFileTransfer,
                          controlThunk<C, &C::template onTwoPaths<&E::CopyFile>>),
            controlMethod(6, "MoveFile", VT_I4, kFileTransfer,
                          controlThunk<C, &C::template onTwoPaths<&E::MoveFile>>),
            controlMethod(7, "DeleteFile", VT_I4, kMachineFileName,
                          controlThunk<C, &C::template onPath<&E::DeleteFile>>),
            controlMethod(8, "RenameFile", VT_I4, kRenameFile,
                          controlThunk<C, &C::template onPathWithText<&E::RenameFile>>),
            controlMethod(9, "DeleteDirectory", VT_I4, kMachineDirName,
                          controlThunk<C, &C::template onPath<&E::DeleteDirectory>>),
            controlMethod(12, "LabelDrive", VT_I4, kLabelDrive,
                          controlThunk<C, &C::template onPathWithText<&E::LabelDrive>>),
            controlMethod(13, "CreateDirectory", VT_I4, kMachineDirName,
                          controlThunk<C, &C::template onPath<&E::CreateDirectory>>),
            controlMethod(14, "MoveDirectory", VT_I4, kDirectoryTransfer,
                          controlThunk<C, &C::template onTwoPaths<&E::MoveDirectory>>),
            controlMethod(15, "SetAttributes", VT_I4, kSetAttributes,
                          controlThunk<C, &C::SetAttributes>),
            controlMethod(16, "ParseFile", VT_BSTR, kParseFile, controlThunk<C, &C::ParseFile>),
            controlMethod(17, "CopyDirectory", VT_I4, kDirectoryTransfer,
                          controlThunk<C, &C::template onTwoPaths<&E::CopyDirectory>>),
            controlMethod(18, "RenameDirectory", VT_I4, kRenameDirectory,
                          controlThunk<C, &C::template onPathWithText<&E::RenameDirectory>>),
            controlMethod(22, "MachineSyncTime", VT_I4, {}, controlThunk<C, &C::MachineSyncTime>),
            controlMethod(23, "Format", VT_I4, kMachineDrive,
                          controlThunk<C, &C::template onPath<&E::Format>>),
            controlMethod(24, "MatchWildcard", VT_BOOL, kMatchWildcard,
                          controlThunk<C, &C::MatchWildcard>),
            controlMethod(c, "SetConfiguration", VT_I4, kSetConfiguration,
                          controlThunk<C, &C::SetConfiguration>),
            controlMethod(c + 1, "GetConfiguration", VT_I4, kGetConfiguration,
                          controlThunk<C, &C::GetConfiguration>),
            controlMethod(c + 2, "ClosePrograms", VT_I4, kMachineDrive,
                          controlThunk<C, &C::template onPath<&E::ClosePrograms>>),
            controlMethod(c + 3, "StartProgram", VT_I4, kMachineFile,
                          controlThunk<C, &C::template onPath<&E::StartProgram>>),
            controlMethod(c + 4, "StopProgram", VT_I4, kMachineFile,
                          controlThunk<C, &C::template onPath<&E::StopProgram>>),
            controlMethod(c + 5, "ReadConfig", VT_I4, kReadConfig, controlThunk<C, &C::ReadConfig>),
            controlMethod(c + 6, "WriteConfig", VT_I4, kWriteConfig,
                          controlThunk<C, &C::WriteConfig>),
        }};
        std::copy(own.begin(), own.end(), members.begin() + kShared);
        members.back() =
            controlMethod(DISPID_ABOUTBOX, "AboutBox", VT_EMPTY, {}, controlThunk<C, &C::AboutBox>);
        std::sort(members.begin(), members.end() - 1,
                  [](const MemberInfo& a, const MemberInfo& b) { return a.id < b.id; });
        return members;
    }
};

} // namespace velox::tanlink
