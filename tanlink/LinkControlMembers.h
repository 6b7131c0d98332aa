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
    using MemberInfo = com::MemberInfo;
    using Params = std::span<const com::ParamInfo>;
    using E = typename C::EngineInterface;

    // How many members both controls have, AboutBox aside.
    static constexpr std::size_t kShared = 25;

    // A member that returns the engine's code (VT_I4), called through `method`.
    template <auto method>
    static constexpr MemberInfo code(DISPID id, const char* name, Params params) {
        return controlMethod(id, name, com::VT_I4, params, controlThunk<C, method>);
    }
    // The members that hand the engine method `call` their path, a path and
    // a text, a path and a value, or two paths and the flags.
    template <auto call>
    static constexpr MemberInfo onPath(DISPID id, const char* name, Params params) {
        return code<&C::template onPath<call>>(id, name, params);
    }
    template <auto call>
    static constexpr MemberInfo onPathWithText(DISPID id, const char* name, Params params) {
        return code<&C::template onPathWithText<call>>(id, name, params);
    }
    template <typename Value, auto call>
    static constexpr MemberInfo onPathWithValue(DISPID id, const char* name, Params params) {
        return code<&C::template onPathWithValue<Value, call>>(id, name, params);
    }
    template <auto call>
    static constexpr MemberInfo onTwoPaths(DISPID id, const char* name, Params params) {
        return code<&C::template onTwoPaths<call>>(id, name, params);
    }

    // A control's member table: the members both controls have, under the
    // DISPIDs both give them (the configuration run from
    // `firstConfigurationId` on), and the control's `own`, in DISPID order
    // with AboutBox last.
    template <std::size_t N>
    static constexpr std::array<MemberInfo, N + kShared + 1>
    table(const std::array<MemberInfo, N>& own, DISPID firstConfigurationId) {
        using namespace com;
        using namespace control_params;
        const DISPID c = firstConfigurationId;
        std::array<MemberInfo, N + kShared + 1> members{{
            code<&C::Init>(1, "Init", {}),
            code<&C::Connect>(2, "Connect", kConnect),
            code<&C::Disconnect>(4, "Disconnect", {}),
            onTwoPaths<&E::CopyFile>(5, "CopyFile", kFileTransfer),
            onTwoPaths<&E::MoveFile>(6, "MoveFile", kFileTransfer),
            onPath<&E::DeleteFile>(7, "DeleteFile", kMachineFileName),
            onPathWithText<&E::RenameFile>(8, "RenameFile", kRenameFile),
            onPath<&E::DeleteDirectory>(9, "DeleteDirectory", kMachineDirName),
            onPathWithText<&E::LabelDrive>(12, "LabelDrive", kLabelDrive),
            onPath<&E::CreateDirectory>(13, "CreateDirectory", kMachineDirName),
            onTwoPaths<&E::MoveDirectory>(14, "MoveDirectory", kDirectoryTransfer),
            onPathWithValue<LONG, &E::SetAttributes>(15, "SetAttributes", kSetAttributes),
            controlMethod(16, "ParseFile", VT_BSTR, kParseFile, controlThunk<C, &C::ParseFile>),
            onTwoPaths<&E::CopyDirectory>(17, "CopyDirectory", kDirectoryTransfer),
            onPathWithText<&E::RenameDirectory>(18, "RenameDirectory", kRenameDirectory),
            code<&C::MachineSyncTime>(22, "MachineSyncTime", {}),
            onPath<&E::Format>(23, "Format", kMachineDrive),
            controlMethod(24, "MatchWildcard", VT_BOOL, kMatchWildcard,
                          controlThunk<C, &C::MatchWildcard>),
            code<&C::SetConfiguration>(c, "SetConfiguration", kSetConfiguration),
            code<&C::GetConfiguration>(c + 1, "GetConfiguration", kGetConfiguration),
            onPath<&E::ClosePrograms>(c + 2, "ClosePrograms", kMachineDrive),
            onPath<&E::StartProgram>(c + 3, "StartProgram", kMachineFile),
            onPath<&E::StopProgram>(c + 4, "StopProgram", kMachineFile),
            code<&C::ReadConfig>(c + 5, "ReadConfig", kReadConfig),
            onPathWithValue<SHORT, &E::WriteConfig>(c + 6, "WriteConfig", kWriteConfig),
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
