#pragma once

// The synchronous connectivity engine: the same 33 methods in the same slots
// as ITandemEngine, each doing its work in the caller's thread and returning
// its outcome code (0 success). Results that the asynchronous engine hands
// to its callback come back through the extra out-arguments here; only
// progress goes to ITandemCallbackS, in the caller's thread.
//
// GetDrives fills `drives` (of `size` bytes, 32 from the link control) with
// NUL-terminated entries ended by an empty entry, cut to fit. GetMachineInfo
// writes the owner text, NUL-terminated and cut to `size` bytes, and the
// machine type.

#include "tanlink/EngineObjects.h"
#include "tanlink/EngineRecords.h"
#include "tanlink/TandemCallbackS.h"
#include "tanlink/TandemEngineLink.h"

namespace velox::tanlink {

struct ITandemEngineS : TandemEngineLink<ITandemCallbackS> {
    static constexpr const IID& iid = IID_ITandemEngineS;
    virtual LONG GetDrives(MachinePathRecord* machine, char* drives, LONG size) = 0;        // 6
    virtual LONG GetDriveInfo(MachinePathRecord* drive, ITandemDrive** info) = 0;           // 7
    virtual LONG LabelDrive(MachinePathRecord* drive, const char* label) = 0;               // 8
    virtual LONG Format(MachinePathRecord* drive) = 0;                                      // 9
    virtual LONG GetFileInfo(MachinePathRecord* file, ITandemFile** info) = 0;              // 10
    virtual LONG CopyFile(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) = 0; // 11
    virtual LONG DeleteFile(MachinePathRecord* file) = 0;                                   // 12
    virtual LONG RenameFile(MachinePathRecord* file, const char* newName) = 0;              // 13
    virtual LONG MoveFile(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) = 0; // 14
    virtual LONG SetAttributes(MachinePathRecord* file, LONG attributes) = 0;               // 15
    virtual LONG GetDirectory(MachinePathRecord* directory, ITandemDirectory** listing,
                              SHORT* count) = 0;                    // 16
    virtual LONG CreateDirectory(MachinePathRecord* directory) = 0; // 17
    virtual LONG DeleteDirectory(MachinePathRecord* directory) = 0; // 18
    virtual LONG CopyDirectory(MachinePathRecord* from, MachinePathRecord* to,
                               SHORT flags) = 0; // 19
    virtual LONG MoveDirectory(MachinePathRecord* from, MachinePathRecord* to,
                               SHORT flags) = 0;                                         // 20
    virtual LONG RenameDirectory(MachinePathRecord* directory, const char* newName) = 0; // 21
    virtual LONG GetMachineInfo(SHORT machine, char* owner, LONG size, SHORT* type) = 0; // 22
    virtual LONG GetExtraMachineInfo(SHORT machine, ITandemMachine** info) = 0;          // 23
    virtual LONG MachineSyncTime() = 0;                                                  // 24
    virtual LONG Reserved25() = 0;                                                       // 25
    virtual LONG ParseFile(const char* part1, const char* part2, const char* part3,
                           ParseRecord* parsed) = 0; // 26
    virtual LONG MatchWildcard(const char* name, const char* wildcard, BOOL ignoreCase,
                               BOOL* result) = 0; // 27
    // Not called by the synchronous link control; stops a copy, format or
    // program closing that runs in another thread.
    virtual LONG CancelOperation(LONG* result) = 0;                             // 28
    virtual LONG ClosePrograms(MachinePathRecord* drive) = 0;                   // 29
    virtual LONG StartProgram(MachinePathRecord* file) = 0;                     // 30
    virtual LONG StopProgram(MachinePathRecord* file) = 0;                      // 31
    virtual LONG ReadConfig(SHORT fromMachine, MachinePathRecord* toFile) = 0;  // 32
    virtual LONG WriteConfig(MachinePathRecord* fromFile, SHORT toMachine) = 0; // 33

protected:
    ~ITandemEngineS() = default;
};

} // namespace velox::tanlink
