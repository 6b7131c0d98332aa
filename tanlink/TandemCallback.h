#pragma once

// The callback interface of the asynchronous engine. The engine calls one
// method per finished request (and progress during copies, formats and
// program closing) from its own worker thread; the link control turns each
// call into the event of the same name. Every method returns 0.
//
// Texts are NUL-terminated ANSI. The drive list of OnGetDrives is a run of
// NUL-terminated entries ended by an empty entry ("C\0D\0\0"). Through
// `cancel` the receiver answers whether the running operation should stop.

#include "platform/com/interfaces/Unknown.h"
#include "tanlink/EngineIds.h"

namespace velox::tanlink {

using com::BOOL;
using com::LONG;
using com::SHORT;
using com::USHORT;

struct ITandemCallback : com::IUnknown {
    static constexpr const IID& iid = IID_ITandemCallback;
    virtual LONG OnInit(LONG error) = 0;                                                // 1
    virtual LONG OnConnect(LONG error) = 0;                                             // 2
    virtual LONG OnDisconnect(LONG error) = 0;                                          // 3
    virtual LONG OnGetFileInfo(LONG error) = 0;                                         // 4
    virtual LONG OnCopyFile(LONG error) = 0;                                            // 5
    virtual LONG OnCopyProgress(SHORT percent, BOOL* cancel) = 0;                       // 6
    virtual LONG OnDeleteFile(LONG error) = 0;                                          // 7
    virtual LONG OnMoveFile(LONG error) = 0;                                            // 8
    virtual LONG OnRenameFile(LONG error) = 0;                                          // 9
    virtual LONG OnSetAttributes(LONG error) = 0;                                       // 10
    virtual LONG OnGetDirectory(LONG error, USHORT files) = 0;                          // 11
    virtual LONG OnDeleteDirectory(LONG error) = 0;                                     // 12
    virtual LONG OnCopyDirectory(LONG error) = 0;                                       // 13
    virtual LONG OnCopyDirectoryProgress(const char* fileName) = 0;                     // 14
    virtual LONG OnCreateDirectory(LONG error) = 0;                                     // 15
    virtual LONG OnMoveDirectory(LONG error) = 0;                                       // 16
    virtual LONG OnRenameDirectory(LONG error) = 0;                                     // 17
    virtual LONG OnGetDrives(LONG error, const char* drives) = 0;                       // 18
    virtual LONG OnGetDriveInfo(LONG error) = 0;                                        // 19
    virtual LONG OnLabelDrive(LONG error) = 0;                                          // 20
    virtual LONG OnGetMachineInfo(LONG error, const char* owner, SHORT type) = 0;       // 21
    virtual LONG OnGetExtraMachineInfo(LONG error) = 0;                                 // 22
    virtual LONG OnMachineSyncTime(LONG error) = 0;                                     // 23
    virtual LONG OnFormat(LONG error) = 0;                                              // 24
    virtual LONG OnFormatProgress(SHORT percent, BOOL* cancel) = 0;                     // 25
    virtual LONG OnClosePrograms(LONG error) = 0;                                       // 26
    virtual LONG OnCloseProgramProgress(const char* application, const char* file) = 0; // 27
    virtual LONG OnStartProgram(LONG error) = 0;                                        // 28
    virtual LONG OnStopProgram(LONG error) = 0;                                         // 29
    virtual LONG OnReadConfig(LONG error) = 0;                                          // 30
    virtual LONG OnWriteConfig(LONG error) = 0;                                         // 31

protected:
    ~ITandemCallback() = default;
};

} // namespace velox::tanlink
