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
    LONG Init(ITandemCallback* callback) override;
    LONG GetDrives(MachinePathRecord* machine) override;
    LONG GetDriveInfo(MachinePathRecord* drive, tanlink::ITandemDrive** info) override;
    LONG GetFileInfo(MachinePathRecord* file, tanlink::ITandemFile** info) override;
    LONG GetDirectory(MachinePathRecord* directory, tanlink::ITandemDirectory** listing) override;
    LONG GetMachineInfo(SHORT machine) override;
    LONG GetExtraMachineInfo(SHORT machine, tanlink::ITandemMachine** info) override;

private:
    friend TandemEngineBase;

    // Queues `work`; 21 when Init has not given a callback yet.
    template <typename Fn> LONG dispatch(Fn work) { return submit(std::move(work)); }
    explicit AsyncTandemEngine(const QString& handheldRoot);
    ~AsyncTandemEngine() override = default;

    LONG submit(std::function<void(Request&)> work);

    // Work that returns the outcome code, as the worker runs it: the code
    // goes to the callback method `answer`.
    template <Answer answer, typename Fn> static auto answered(Fn work) {
        return [work = std::move(work)](Request& r, const auto&... paths) {
            (r.callback.*answer)(work(r, paths...));
        };
    }

    // Last: stops and joins the worker before the rest goes. The worker holds
    // the module for its whole life.
    WorkQueue queue_{&engineModuleLock()};
};

} // namespace velox::simulator
