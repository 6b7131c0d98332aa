#include "tanlink/CFSinfo.h"

#include "tanlink/CTanlinkCtrl.h"

namespace velox::tanlink {

using namespace com;

namespace {

constexpr ParamInfo kError[] = {{"Error", VT_I4}};
constexpr ParamInfo kProgress[] = {{"Percent", VT_I2}, {"Cancel", VT_BOOL | VT_BYREF}};
constexpr ParamInfo kDirectory[] = {{"Error", VT_I4}, {"Files", VT_I4}};
constexpr ParamInfo kFileName[] = {{"FileName", VT_BSTR}};
constexpr ParamInfo kDrives[] = {{"Error", VT_I4}, {"Drives", VT_BSTR}};
constexpr ParamInfo kMachineInfo[] = {{"Error", VT_I4}, {"Owner", VT_BSTR}, {"Type", VT_I2}};
constexpr ParamInfo kCloseProgress[] = {{"Application", VT_BSTR}, {"File", VT_BSTR}};

constexpr MemberInfo event(DISPID id, const char* name, std::span<const ParamInfo> params) {
    return MemberInfo{id, name, MemberKind::Method, VT_EMPTY, params, nullptr};
}

// In the order of the event map, which gives the DISPIDs.
constexpr MemberInfo kEvents[] = {
    event(1, "OnInit", kError),
    event(2, "OnConnect", kError),
    event(3, "OnCopyFile", kError),
    event(4, "OnDisconnect", kError),
    event(5, "OnCopyProgress", kProgress),
    event(6, "OnMoveFile", kError),
    event(7, "OnDeleteFile", kError),
    event(8, "OnRenameFile", kError),
    event(9, "OnGetDriveInfo", kError),
    event(10, "OnLabelDrive", kError),
    event(11, "OnDeleteDirectory", kError),
    event(12, "OnCreateDirectory", kError),
    event(13, "OnGetDirectory", kDirectory),
    event(14, "OnCopyDirectory", kError),
    event(15, "OnMoveDirectory", kError),
    event(16, "OnSetAttributes", kError),
    event(17, "OnRenameDirectory", kError),
    event(18, "OnGetDrives", kDrives),
    event(19, "OnGetFileInfo", kError),
    event(20, "OnCopyDirectoryProgress", kFileName),
    event(21, "OnGetMachineInfo", kMachineInfo),
    event(22, "OnGetExtraMachineInfo", kError),
    event(23, "OnMachineSyncTime", kError),
    event(24, "OnFormat", kError),
    event(25, "OnFormatProgress", kProgress),
    event(26, "OnClosePrograms", kError),
    event(27, "OnCloseProgramProgress", kCloseProgress),
    event(28, "OnStartProgram", kError),
    event(29, "OnStopProgram", kError),
    event(30, "OnReadConfig", kError),
    event(31, "OnWriteConfig", kError),
};

const InterfaceInfo kInterface{IID__DTandemEngEvents, "_DTandemEngEvents", kEvents,
                               "Event interface for Tandem Engine", TYPEFLAG_FDISPATCHABLE};

// A drive list longer than this is not a drive list: the walk stops there.
constexpr std::size_t kDriveListLimit = std::size_t{32} * 1024;

} // namespace

const InterfaceInfo& CFSinfo::eventInterface() {
    return kInterface;
}

QByteArray CFSinfo::drivesText(LONG error, const char* drives) {
    if (drives == nullptr) {
        return {};
    }
    if (error != 0) {
        return QByteArray(drives);
    }
    QByteArray text;
    for (std::size_t i = 0; i < kDriveListLimit; ++i) {
        if (drives[i] != '\0') {
            text.append(drives[i]);
        } else if (drives[i + 1] != '\0') {
            text.append(' ');
        } else {
            break;
        }
    }
    return text;
}

LONG CFSinfo::fireError(DISPID id, LONG error) {
    EventArguments args;
    args.addLong(error);
    return fire(id, args);
}

LONG CFSinfo::OnInit(LONG error) {
    return fireError(OnInitId, error);
}
LONG CFSinfo::OnConnect(LONG error) {
    return fireError(OnConnectId, error);
}
LONG CFSinfo::OnDisconnect(LONG error) {
    return fireError(OnDisconnectId, error);
}
LONG CFSinfo::OnGetFileInfo(LONG error) {
    return fireError(OnGetFileInfoId, error);
}
LONG CFSinfo::OnCopyFile(LONG error) {
    return fireError(OnCopyFileId, error);
}
LONG CFSinfo::OnCopyProgress(SHORT percent, BOOL* cancel) {
    return fireWithCancel(OnCopyProgressId, cancel,
                          [percent](EventArguments& args) { args.addShort(percent); });
}
LONG CFSinfo::OnDeleteFile(LONG error) {
    return fireError(OnDeleteFileId, error);
}
LONG CFSinfo::OnMoveFile(LONG error) {
    return fireError(OnMoveFileId, error);
}
LONG CFSinfo::OnRenameFile(LONG error) {
    return fireError(OnRenameFileId, error);
}
LONG CFSinfo::OnSetAttributes(LONG error) {
    return fireError(OnSetAttributesId, error);
}
LONG CFSinfo::OnGetDirectory(LONG error, USHORT files) {
    EventArguments args;
    args.addLong(error).addLong(static_cast<LONG>(files));
    return fire(OnGetDirectoryId, args);
}
LONG CFSinfo::OnDeleteDirectory(LONG error) {
    return fireError(OnDeleteDirectoryId, error);
}
LONG CFSinfo::OnCopyDirectory(LONG error) {
    return fireError(OnCopyDirectoryId, error);
}
LONG CFSinfo::OnCopyDirectoryProgress(const char* fileName) {
    EventArguments args;
    args.addText(fileName);
    return fire(OnCopyDirectoryProgressId, args);
}
LONG CFSinfo::OnCreateDirectory(LONG error) {
    return fireError(OnCreateDirectoryId, error);
}
LONG CFSinfo::OnMoveDirectory(LONG error) {
    return fireError(OnMoveDirectoryId, error);
}
LONG CFSinfo::OnRenameDirectory(LONG error) {
    return fireError(OnRenameDirectoryId, error);
}
LONG CFSinfo::OnGetDrives(LONG error, const char* drives) {
    const QByteArray text = drivesText(error, drives);
    EventArguments args;
    args.addLong(error).addText(text.constData());
    return fire(OnGetDrivesId, args);
}
LONG CFSinfo::OnGetDriveInfo(LONG error) {
    return fireError(OnGetDriveInfoId, error);
}
LONG CFSinfo::OnLabelDrive(LONG error) {
    return fireError(OnLabelDriveId, error);
}
LONG CFSinfo::OnGetMachineInfo(LONG error, const char* owner, SHORT type) {
    EventArguments args;
    args.addLong(error).addText(owner).addShort(type);
    return fire(OnGetMachineInfoId, args);
}
LONG CFSinfo::OnGetExtraMachineInfo(LONG error) {
    return fireError(OnGetExtraMachineInfoId, error);
}
LONG CFSinfo::OnMachineSyncTime(LONG error) {
    return fireError(OnMachineSyncTimeId, error);
}
LONG CFSinfo::OnFormat(LONG error) {
    return fireError(OnFormatId, error);
}
LONG CFSinfo::OnFormatProgress(SHORT percent, BOOL* cancel) {
    return fireWithCancel(OnFormatProgressId, cancel,
                          [percent](EventArguments& args) { args.addShort(percent); });
}
LONG CFSinfo::OnClosePrograms(LONG error) {
    return fireError(OnCloseProgramsId, error);
}
LONG CFSinfo::OnCloseProgramProgress(const char* application, const char* file) {
    EventArguments args;
    args.addText(application).addText(file);
    return fire(OnCloseProgramProgressId, args);
}
LONG CFSinfo::OnStartProgram(LONG error) {
    return fireError(OnStartProgramId, error);
}
LONG CFSinfo::OnStopProgram(LONG error) {
    return fireError(OnStopProgramId, error);
}
LONG CFSinfo::OnReadConfig(LONG error) {
    return fireError(OnReadConfigId, error);
}
LONG CFSinfo::OnWriteConfig(LONG error) {
    return fireError(OnWriteConfigId, error);
}

} // namespace velox::tanlink
