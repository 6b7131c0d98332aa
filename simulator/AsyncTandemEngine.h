#pragma once

// The asynchronous engine on the simulated handheld. Each request is
// checked, copied and queued to the engine's worker thread, and the method
// returns at once (21 before Init, 87 for a missing argument). The worker
// does the work and calls the callback from its thread. ParseFile,
// MatchWildcard, CancelOperation and the configuration calls answer at once
// through their out-arguments.
//
// A queued request holds a reference to the engine, so the engine ends
// when the last caller reference and the last pending request are gone.

#include "simulator/EngineModuleLock.h"
#include "simulator/TandemEngineBase.h"
#include "simulator/WorkQueue.h"
#include "tanlink/TandemEngine.h"

#include <functional>

namespace velox::simulator {

using tanlink::ITandemCallback;
using tanlink::MachinePathRecord;

class AsyncTandemEngine final
    : public TandemEngineBase<AsyncTandemEngine, tanlink::ITandemEngine, ITandemCallback> {
public:
    // A new engine with one reference, on the handheld in `handheldRoot`.
    static AsyncTandemEngine* create(const QString& handheldRoot);

    LONG Init(ITandemCallback* callback) override;
    LONG Connect(LONG timeOutMilliseconds) override;
    LONG Disconnect() override;
    LONG GetDrives(MachinePathRecord* machine) override;
    LONG GetDriveInfo(MachinePathRecord* drive, tanlink::ITandemDrive** info) override;
    LONG LabelDrive(MachinePathRecord* drive, const char* label) override;
    LONG Format(MachinePathRecord* drive) override;
    LONG GetFileInfo(MachinePathRecord* file, tanlink::ITandemFile** info) override;
    LONG CopyFile(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) override;
    LONG DeleteFile(MachinePathRecord* file) override;
    LONG RenameFile(MachinePathRecord* file, const char* newName) override;
    LONG MoveFile(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) override;
    LONG SetAttributes(MachinePathRecord* file, LONG attributes) override;
    LONG GetDirectory(MachinePathRecord* directory, tanlink::ITandemDirectory** listing) override;
    LONG CreateDirectory(MachinePathRecord* directory) override;
    LONG DeleteDirectory(MachinePathRecord* directory) override;
    LONG CopyDirectory(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) override;
    LONG MoveDirectory(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) override;
    LONG RenameDirectory(MachinePathRecord* directory, const char* newName) override;
    LONG GetMachineInfo(SHORT machine) override;
    LONG GetExtraMachineInfo(SHORT machine, tanlink::ITandemMachine** info) override;
    LONG MachineSyncTime() override;
    LONG ClosePrograms(MachinePathRecord* drive) override;
    LONG StartProgram(MachinePathRecord* file) override;
    LONG StopProgram(MachinePathRecord* file) override;
    LONG ReadConfig(SHORT fromMachine, MachinePathRecord* toFile) override;
    LONG WriteConfig(MachinePathRecord* fromFile, SHORT toMachine) override;

private:
    friend TandemEngineBase;

    // Queues `work`; 21 when Init has not given a callback yet.
    template <typename Fn> LONG dispatch(Fn work) { return submit(std::move(work)); }
    explicit AsyncTandemEngine(const QString& handheldRoot);
    ~AsyncTandemEngine() override = default;

    LONG submit(std::function<void(Request&)> work);

    // A request on one path whose outcome is the core's code alone, handed
    // to the callback method `answer`.
    template <LONG (EngineCore::*work)(const PathArgument&), LONG (ITandemCallback::*answer)(LONG)>
    LONG answerOnPath(MachinePathRecord* record) {
        return onPath(record, [](Request& r, const PathArgument& a) {
            (r.callback.*answer)((r.core.*work)(a));
        });
    }

    // Last: stops and joins the worker before the rest goes. The worker holds
    // the module for its whole life.
    WorkQueue queue_{&engineModuleLock()};
};

} // namespace velox::simulator
