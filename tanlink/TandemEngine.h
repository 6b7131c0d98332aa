#pragma once

// The asynchronous connectivity engine. Each method checks its arguments,
// queues the request and returns at once: 0 when the request was accepted,
// an error code when it was refused. The outcome of an accepted request
// comes later through the ITandemCallback method of the same name.
//
// Paths arrive in machine-path records; other texts are NUL-terminated ANSI
// (an empty ParseFile part is null). An object out-parameter receives an
// engine object at once (with one reference for the caller) whose
// information is ready when the matching callback reports success, or null
// when the request was refused.

#include "tanlink/EngineObjects.h"
#include "tanlink/EngineRecords.h"
#include "tanlink/TandemCallback.h"
#include "tanlink/TandemEngineLink.h"

namespace velox::tanlink {

struct ITandemEngine : TandemEngineLink<ITandemCallback> {
    static constexpr const IID& iid = IID_ITandemEngine;
    virtual LONG GetDrives(MachinePathRecord* machine) = 0;                                  // 6
    virtual LONG GetDriveInfo(MachinePathRecord* drive, ITandemDrive** info) = 0;            // 7
    virtual LONG LabelDrive(MachinePathRecord* drive, const char* label) = 0;                // 8
    virtual LONG Format(MachinePathRecord* drive) = 0;                                       // 9
    virtual LONG GetFileInfo(MachinePathRecord* file, ITandemFile** info) = 0;               // 10
    virtual LONG CopyFile(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) = 0;  // 11
    virtual LONG DeleteFile(MachinePathRecord* file) = 0;                                    // 12
    virtual LONG RenameFile(MachinePathRecord* file, const char* newName) = 0;               // 13
    virtual LONG MoveFile(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) = 0;  // 14
    virtual LONG SetAttributes(MachinePathRecord* file, LONG attributes) = 0;                // 15
    virtual LONG GetDirectory(MachinePathRecord* directory, ITandemDirectory** listing) = 0; // 16
    virtual LONG CreateDirectory(MachinePathRecord* directory) = 0;                          // 17
    virtual LONG DeleteDirectory(MachinePathRecord* directory) = 0;                          // 18
    virtual LONG CopyDirectory(MachinePathRecord* from, MachinePathRecord* to,
                               SHORT flags) = 0; // 19
    virtual LONG MoveDirectory(MachinePathRecord* from, MachinePathRecord* to,
                               SHORT flags) = 0;                                         // 20
    virtual LONG RenameDirectory(MachinePathRecord* directory, const char* newName) = 0; // 21
    virtual LONG GetMachineInfo(SHORT machine) = 0;                                      // 22
    virtual LONG GetExtraMachineInfo(SHORT machine, ITandemMachine** info) = 0;          // 23
    virtual LONG MachineSyncTime() = 0;                                                  // 24
    virtual LONG Reserved25() = 0;                                                       // 25
    virtual LONG ParseFile(const char* part1, const char* part2, const char* part3,
                           ParseRecord* parsed) = 0; // 26
    virtual LONG MatchWildcard(const char* name, const char* wildcard, BOOL ignoreCase,
                               BOOL* result) = 0;                               // 27
    virtual LONG CancelOperation(LONG* result) = 0;                             // 28
    virtual LONG ClosePrograms(MachinePathRecord* drive) = 0;                   // 29
    virtual LONG StartProgram(MachinePathRecord* file) = 0;                     // 30
    virtual LONG StopProgram(MachinePathRecord* file) = 0;                      // 31
    virtual LONG ReadConfig(SHORT fromMachine, MachinePathRecord* toFile) = 0;  // 32
    virtual LONG WriteConfig(MachinePathRecord* fromFile, SHORT toMachine) = 0; // 33

protected:
    ~ITandemEngine() = default;
};

} // namespace velox::tanlink
