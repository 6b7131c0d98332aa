#pragma once

// The parameter lists of the link controls' methods and events, with their
// names as the type library spells them (TimeOutMiliseconds and FileNamem
// included), and the member row of an event.

#include "platform/com/DispatchTable.h"

namespace velox::tanlink::control_params {

using com::ParamInfo;
using com::VT_BOOL;
using com::VT_BSTR;
using com::VT_BYREF;
using com::VT_I2;
using com::VT_I4;

inline constexpr ParamInfo kConnect[] = {{"TimeOutMiliseconds", VT_I4}};
inline constexpr ParamInfo kMachine[] = {{"Machine", VT_I2}};
inline constexpr ParamInfo kMachineDirectory[] = {{"Machine", VT_I2}, {"Directory", VT_BSTR}};
inline constexpr ParamInfo kFileTransfer[] = {{"MachineFrom", VT_I2},
                                              {"FileFrom", VT_BSTR},
                                              {"MachineTo", VT_I2},
                                              {"FileTo", VT_BSTR},
                                              {"Flags", VT_I2}};
inline constexpr ParamInfo kMachineFileName[] = {{"Machine", VT_I2}, {"FileName", VT_BSTR}};
inline constexpr ParamInfo kRenameFile[] = {
    {"Machine", VT_I2}, {"OldFileName", VT_BSTR}, {"NewFileName", VT_BSTR}};
inline constexpr ParamInfo kMachineDirName[] = {{"Machine", VT_I2}, {"DirName", VT_BSTR}};
inline constexpr ParamInfo kMachineDriveName[] = {{"Machine", VT_I2}, {"DriveName", VT_BSTR}};
inline constexpr ParamInfo kLabelDrive[] = {
    {"Machine", VT_I2}, {"DriveName", VT_BSTR}, {"Label", VT_BSTR}};
inline constexpr ParamInfo kDirectoryTransfer[] = {{"FromMachine", VT_I2},
                                                   {"FromDir", VT_BSTR},
                                                   {"ToMachine", VT_I2},
                                                   {"ToDir", VT_BSTR},
                                                   {"Flags", VT_I2}};
inline constexpr ParamInfo kSetAttributes[] = {
    {"Machine", VT_I2}, {"FileName", VT_BSTR}, {"Attributes", VT_I4}};
inline constexpr ParamInfo kRenameDirectory[] = {
    {"Machine", VT_I2}, {"FromDir", VT_BSTR}, {"ToDir", VT_BSTR}};
inline constexpr ParamInfo kMachineDrive[] = {{"Machine", VT_I2}, {"Drive", VT_BSTR}};
inline constexpr ParamInfo kMatchWildcard[] = {
    {"FileName", VT_BSTR}, {"Wildcard", VT_BSTR}, {"IgnoreCase", VT_BOOL}};
inline constexpr ParamInfo kSetConfiguration[] = {{"Baud", VT_I4}, {"Port", VT_I4}};
inline constexpr ParamInfo kGetConfiguration[] = {{"Baud", VT_I4 | VT_BYREF},
                                                  {"Port", VT_I4 | VT_BYREF}};
inline constexpr ParamInfo kMachineFile[] = {{"Machine", VT_I2}, {"File", VT_BSTR}};
inline constexpr ParamInfo kReadConfig[] = {
    {"FromMachine", VT_I2}, {"ToMachine", VT_I2}, {"FileName", VT_BSTR}};
inline constexpr ParamInfo kWriteConfig[] = {
    {"FromMachine", VT_I2}, {"FileNamem", VT_BSTR}, {"ToMachine", VT_I2}};
inline constexpr ParamInfo kParseFile[] = {
    {"Part1", VT_BSTR},           {"Part2", VT_BSTR},
    {"Part3", VT_BSTR},           {"DriveLen", VT_I2 | VT_BYREF},
    {"DirLen", VT_I2 | VT_BYREF}, {"FileLen", VT_I2 | VT_BYREF},
    {"ExtLen", VT_I2 | VT_BYREF}, {"Wild", VT_BOOL | VT_BYREF},
};

// The synchronous control's extra out-parameters.
inline constexpr ParamInfo kMachineDirectoryS[] = {{"Machine", VT_I2},
                                                   {"Directory", VT_BSTR},
                                                   {"lError", VT_I4 | VT_BYREF},
                                                   {"NumFiles", VT_I2 | VT_BYREF}};
inline constexpr ParamInfo kMachineErrorS[] = {{"Machine", VT_I2}, {"lError", VT_I4 | VT_BYREF}};
inline constexpr ParamInfo kMachineDriveNameS[] = {
    {"Machine", VT_I2}, {"DriveName", VT_BSTR}, {"lError", VT_I4 | VT_BYREF}};
inline constexpr ParamInfo kMachineFileNameS[] = {
    {"Machine", VT_I2}, {"FileName", VT_BSTR}, {"lError", VT_I4 | VT_BYREF}};

// The events' parameter lists and the member row of one event.
namespace events {

inline constexpr ParamInfo kError[] = {{"Error", VT_I4}};
inline constexpr ParamInfo kProgress[] = {{"Percent", VT_I2}, {"Cancel", VT_BOOL | VT_BYREF}};
inline constexpr ParamInfo kDirectory[] = {{"Error", VT_I4}, {"Files", VT_I4}};
inline constexpr ParamInfo kFileName[] = {{"FileName", VT_BSTR}};
inline constexpr ParamInfo kDrives[] = {{"Error", VT_I4}, {"Drives", VT_BSTR}};
inline constexpr ParamInfo kMachineInfo[] = {{"Error", VT_I4}, {"Owner", VT_BSTR}, {"Type", VT_I2}};
inline constexpr ParamInfo kCloseProgress[] = {{"Application", VT_BSTR}, {"File", VT_BSTR}};

constexpr com::MemberInfo event(com::DISPID id, const char* name,
                                std::span<const ParamInfo> params) {
    return com::MemberInfo{id, name, com::MemberKind::Method, com::VT_EMPTY, params, nullptr};
}

} // namespace events

} // namespace velox::tanlink::control_params
