#pragma once

// The synchronous engine on the simulated handheld: every request is done
// in the caller's thread (one request at a time per engine) and returns its
// outcome; progress goes to the callback in that thread. Methods before
// Init return 21. CancelOperation, from another thread, stops the running
// copy, format or folder copy with 1223.

#include "simulator/TandemEngineBase.h"
#include "tanlink/TandemEngineS.h"

#include <mutex>

namespace velox::simulator {

using tanlink::ITandemCallbackS;
using tanlink::MachinePathRecord;

class SyncTandemEngine final
    : public TandemEngineBase<SyncTandemEngine, tanlink::ITandemEngineS, ITandemCallbackS> {
public:
    // A new engine with one reference, on the handheld in `handheldRoot`.
    static SyncTandemEngine* create(const QString& handheldRoot);

    LONG Init(ITandemCallbackS* callback) override;
    LONG Connect(LONG timeOutMilliseconds) override;
    LONG Disconnect() override;
    LONG GetDrives(MachinePathRecord* machine, char* drives, LONG size) override;
    LONG GetDriveInfo(MachinePathRecord* drive, tanlink::ITandemDrive** info) override;
    LONG LabelDrive(MachinePathRecord* drive, const char* label) override;
    LONG Format(MachinePathRecord* drive) override;
    LONG GetFileInfo(MachinePathRecord* file, tanlink::ITandemFile** info) override;
    LONG CopyFile(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) override;
    LONG DeleteFile(MachinePathRecord* file) override;
    LONG RenameFile(MachinePathRecord* file, const char* newName) override;
    LONG MoveFile(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) override;
    LONG SetAttributes(MachinePathRecord* file, LONG attributes) override;
    LONG GetDirectory(MachinePathRecord* directory, tanlink::ITandemDirectory** listing,
                      SHORT* count) override;
    LONG CreateDirectory(MachinePathRecord* directory) override;
    LONG DeleteDirectory(MachinePathRecord* directory) override;
    LONG CopyDirectory(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) override;
    LONG MoveDirectory(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) override;
    LONG RenameDirectory(MachinePathRecord* directory, const char* newName) override;
    LONG GetMachineInfo(SHORT machine, char* owner, LONG size, SHORT* type) override;
    LONG GetExtraMachineInfo(SHORT machine, tanlink::ITandemMachine** info) override;
    LONG MachineSyncTime() override;
    LONG ClosePrograms(MachinePathRecord* drive) override;
    LONG StartProgram(MachinePathRecord* file) override;
    LONG StopProgram(MachinePathRecord* file) override;
    LONG ReadConfig(SHORT fromMachine, MachinePathRecord* toFile) override;
    LONG WriteConfig(MachinePathRecord* fromFile, SHORT toMachine) override;

private:
    friend TandemEngineBase;

    explicit SyncTandemEngine(const QString& handheldRoot);
    ~SyncTandemEngine() override = default;

    // Runs `work` under the engine's lock; 21 before Init.
    template <typename Fn> LONG dispatch(Fn work) {
        const com::ComPtr<ITandemCallbackS> callback = this->callback();
        if (!callback) {
            return tanlink::kErrorNotReady;
        }
        std::lock_guard lock(workMutex_);
        Request request{core_, *callback.get(), numberRequest()};
        return work(request);
    }

    std::mutex workMutex_; // one request at a time on core_
};

} // namespace velox::simulator
