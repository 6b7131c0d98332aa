#pragma once

// The callback object of the asynchronous control: the engine calls it (on
// its worker thread) when a request ends or progresses, and each call fires
// the matching event of _DTandemEngEvents on that same thread.

#include "platform/com/DispatchTable.h"
#include "tanlink/CallbackObject.h"
#include "tanlink/TandemCallback.h"
#include "tanlink/TandemGuids.h"

namespace velox::tanlink {

class CTanlinkCtrl;

// IID_ and the dispatch interface's own name, which begins with an underscore.
// NOLINTNEXTLINE(bugprone-reserved-identifier)
inline constexpr IID IID__DTandemEngEvents = tandemGuid(0x3C476932);

class CFSinfo final : public CallbackObject<CFSinfo, ITandemCallback, CTanlinkCtrl> {
public:
    using DISPID = com::DISPID;

    // The events of _DTandemEngEvents by DISPID.
    enum Event : DISPID {
        OnInitId = 1,
        OnConnectId = 2,
        OnCopyFileId = 3,
        OnDisconnectId = 4,
        OnCopyProgressId = 5,
        OnMoveFileId = 6,
        OnDeleteFileId = 7,
        OnRenameFileId = 8,
        OnGetDriveInfoId = 9,
        OnLabelDriveId = 10,
        OnDeleteDirectoryId = 11,
        OnCreateDirectoryId = 12,
        OnGetDirectoryId = 13,
        OnCopyDirectoryId = 14,
        OnMoveDirectoryId = 15,
        OnSetAttributesId = 16,
        OnRenameDirectoryId = 17,
        OnGetDrivesId = 18,
        OnGetFileInfoId = 19,
        OnCopyDirectoryProgressId = 20,
        OnGetMachineInfoId = 21,
        OnGetExtraMachineInfoId = 22,
        OnMachineSyncTimeId = 23,
        OnFormatId = 24,
        OnFormatProgressId = 25,
        OnCloseProgramsId = 26,
        OnCloseProgramProgressId = 27,
        OnStartProgramId = 28,
        OnStopProgramId = 29,
        OnReadConfigId = 30,
        OnWriteConfigId = 31,
    };

    // A new callback object with one reference and no control yet.
    static CFSinfo* create() { return new CFSinfo; }

    // The event interface as the type library describes it.
    static const com::InterfaceInfo& eventInterface();

    // The drive list as OnGetDrives carries it: with error 0 the entries
    // ("C\0D\0\0") joined by single spaces ("C D"); otherwise the buffer as
    // text, which is its first entry.
    static QByteArray drivesText(LONG error, const char* drives);

    // The progress events are CallbackObject's.
    LONG OnInit(LONG error) override;
    LONG OnConnect(LONG error) override;
    LONG OnDisconnect(LONG error) override;
    LONG OnGetFileInfo(LONG error) override;
    LONG OnCopyFile(LONG error) override;
    LONG OnDeleteFile(LONG error) override;
    LONG OnMoveFile(LONG error) override;
    LONG OnRenameFile(LONG error) override;
    LONG OnSetAttributes(LONG error) override;
    LONG OnGetDirectory(LONG error, USHORT files) override;
    LONG OnDeleteDirectory(LONG error) override;
    LONG OnCopyDirectory(LONG error) override;
    LONG OnCreateDirectory(LONG error) override;
    LONG OnMoveDirectory(LONG error) override;
    LONG OnRenameDirectory(LONG error) override;
    LONG OnGetDrives(LONG error, const char* drives) override;
    LONG OnGetDriveInfo(LONG error) override;
    LONG OnLabelDrive(LONG error) override;
    LONG OnGetMachineInfo(LONG error, const char* owner, SHORT type) override;
    LONG OnGetExtraMachineInfo(LONG error) override;
    LONG OnMachineSyncTime(LONG error) override;
    LONG OnFormat(LONG error) override;
    LONG OnClosePrograms(LONG error) override;
    LONG OnStartProgram(LONG error) override;
    LONG OnStopProgram(LONG error) override;
    LONG OnReadConfig(LONG error) override;
    LONG OnWriteConfig(LONG error) override;

private:
    CFSinfo() = default;
    ~CFSinfo() override = default;

    LONG fireError(DISPID id, LONG error);
};

} // namespace velox::tanlink
