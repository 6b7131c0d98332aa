#pragma once

// The parameter lists of the link controls' methods, with their names as the
// type library spells them (TimeOutMiliseconds and FileNamem included).

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

} // namespace velox::tanlink::control_params
