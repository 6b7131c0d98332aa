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
    LONG Init(ITandemCallbackS* callback) override;
    LONG GetDrives(MachinePathRecord* machine, char* drives, LONG size) override;
    LONG GetDriveInfo(MachinePathRecord* drive, tanlink::ITandemDrive** info) override;
    LONG GetFileInfo(MachinePathRecord* file, tanlink::ITandemFile** info) override;
    LONG GetDirectory(MachinePathRecord* directory, tanlink::ITandemDirectory** listing,
                      SHORT* count) override;
    LONG GetMachineInfo(SHORT machine, char* owner, LONG size, SHORT* type) override;
    LONG GetExtraMachineInfo(SHORT machine, tanlink::ITandemMachine** info) override;

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

    // Work that returns the outcome code is run as it is: the code is the
    // request's answer (`answer` is the asynchronous engine's way of giving it).
    template <Answer, typename Fn> static Fn answered(Fn work) { return work; }

    std::mutex workMutex_; // one request at a time on core_
};

} // namespace velox::simulator
