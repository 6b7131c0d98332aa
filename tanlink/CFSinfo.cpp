#include "tanlink/CFSinfo.h"

#include "tanlink/CTanlinkCtrl.h"
#include "tanlink/ControlParams.h"

namespace velox::tanlink {

using namespace com;
using namespace control_params::events;

namespace {

using E = CFSinfo;

// In the order of the event map.
constexpr MemberInfo kEvents[] = {
    event(E::OnInitId, "OnInit", kError),
    event(E::OnConnectId, "OnConnect", kError),
    event(E::OnCopyFileId, "OnCopyFile", kError),
    event(E::OnDisconnectId, "OnDisconnect", kError),
    event(E::OnCopyProgressId, "OnCopyProgress", kProgress),
    event(E::OnMoveFileId, "OnMoveFile", kError),
    event(E::OnDeleteFileId, "OnDeleteFile", kError),
    event(E::OnRenameFileId, "OnRenameFile", kError),
    event(E::OnGetDriveInfoId, "OnGetDriveInfo", kError),
    event(E::OnLabelDriveId, "OnLabelDrive", kError),
    event(E::OnDeleteDirectoryId, "OnDeleteDirectory", kError),
    event(E::OnCreateDirectoryId, "OnCreateDirectory", kError),
    event(E::OnGetDirectoryId, "OnGetDirectory", kDirectory),
    event(E::OnCopyDirectoryId, "OnCopyDirectory", kError),
    event(E::OnMoveDirectoryId, "OnMoveDirectory", kError),
    event(E::OnSetAttributesId, "OnSetAttributes", kError),
    event(E::OnRenameDirectoryId, "OnRenameDirectory", kError),
    event(E::OnGetDrivesId, "OnGetDrives", kDrives),
    event(E::OnGetFileInfoId, "OnGetFileInfo", kError),
    event(E::OnCopyDirectoryProgressId, "OnCopyDirectoryProgress", kFileName),
    event(E::OnGetMachineInfoId, "OnGetMachineInfo", kMachineInfo),
    event(E::OnGetExtraMachineInfoId, "OnGetExtraMachineInfo", kError),
    event(E::OnMachineSyncTimeId, "OnMachineSyncTime", kError),
    event(E::OnFormatId, "OnFormat", kError),
    event(E::OnFormatProgressId, "OnFormatProgress", kProgress),
    event(E::OnCloseProgramsId, "OnClosePrograms", kError),
    event(E::OnCloseProgramProgressId, "OnCloseProgramProgress", kCloseProgress),
    event(E::OnStartProgramId, "OnStartProgram", kError),
    event(E::OnStopProgramId, "OnStopProgram", kError),
    event(E::OnReadConfigId, "OnReadConfig", kError),
    event(E::OnWriteConfigId, "OnWriteConfig", kError),
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
LONG CFSinfo::OnClosePrograms(LONG error) {
    return fireError(OnCloseProgramsId, error);
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
