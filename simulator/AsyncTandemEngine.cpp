#include "simulator/AsyncTandemEngine.h"

#include "simulator/SimulatedDirectory.h"
#include "simulator/SimulatedDrive.h"
#include "simulator/SimulatedFile.h"
#include "simulator/SimulatedMachine.h"

namespace velox::simulator {

using namespace tanlink;
using com::ComPtr;

namespace {

// Makes the object a request fills on the worker and hands it out (with one
// reference for the caller) once `request` has accepted it; 87 for no
// out-argument.
template <typename Object, typename Out, typename Fn> LONG deliver(Out** out, Fn request) {
    if (out == nullptr) {
        return kErrorInvalidParameter;
    }
    *out = nullptr;
    ComPtr<Object> object = ComPtr<Object>::attach(Object::create());
    const LONG code = request(object);
    if (code == kOk) {
        *out = ComPtr<Object>(object).detach();
    }
    return code;
}

} // namespace

AsyncTandemEngine::AsyncTandemEngine(const QString& handheldRoot)
    : TandemEngineBase(handheldRoot) {}

LONG AsyncTandemEngine::submit(std::function<void(Request&)> work) {
    ComPtr<ITandemCallback> callback = this->callback();
    if (!callback) {
        return kErrorNotReady;
    }
    ComPtr<AsyncTandemEngine> self(this);
    queue_.post([self, callback, cancelled = numberRequest(), work = std::move(work)] {
        Request request{self->core_, *callback.get(), cancelled};
        work(request);
    });
    return kOk;
}

LONG AsyncTandemEngine::Init(ITandemCallback* callback) {
    if (const LONG code = setCallback(callback); code != kOk) {
        return code;
    }
    return submit([](Request& r) { r.callback.OnInit(kOk); });
}

LONG AsyncTandemEngine::GetDrives(MachinePathRecord* machine) {
    return onPath(machine, [](Request& r, const PathArgument& a) {
        QByteArray list;
        const LONG code = r.core.drives(a.machine, &list);
        if (code != kOk) {
            list = QByteArray(2, '\0');
        }
        r.callback.OnGetDrives(code, list.constData());
    });
}

LONG AsyncTandemEngine::GetDriveInfo(MachinePathRecord* drive, ITandemDrive** info) {
    return deliver<SimulatedDrive>(info, [&](const ComPtr<SimulatedDrive>& object) {
        return onPath(drive, [object](Request& r, const PathArgument& a) {
            DriveInfoRecord record{};
            const LONG result = r.core.driveInfo(a, &record);
            object->slot.settle(result, record);
            r.callback.OnGetDriveInfo(result);
        });
    });
}

LONG AsyncTandemEngine::GetFileInfo(MachinePathRecord* file, ITandemFile** info) {
    return deliver<SimulatedFile>(info, [&](const ComPtr<SimulatedFile>& object) {
        return onPath(file, [object](Request& r, const PathArgument& a) {
            FileEntry entry;
            const LONG result = r.core.fileInfo(a, &entry);
            object->slot.settle(result, entry);
            r.callback.OnGetFileInfo(result);
        });
    });
}

LONG AsyncTandemEngine::GetDirectory(MachinePathRecord* directory, ITandemDirectory** listing) {
    return deliver<SimulatedDirectory>(listing, [&](const ComPtr<SimulatedDirectory>& object) {
        return onPath(directory, [object](Request& r, const PathArgument& a) {
            std::vector<FileEntry> entries;
            const LONG result = r.core.directory(a, &entries);
            object->slot.settle(result, entries);
            r.callback.OnGetDirectory(result, static_cast<USHORT>(entries.size()));
        });
    });
}

LONG AsyncTandemEngine::GetMachineInfo(SHORT machine) {
    return submit([machine](Request& r) {
        QByteArray owner;
        SHORT type = 0;
        const LONG result = r.core.machineInfo(machine, &owner, &type);
        r.callback.OnGetMachineInfo(result, owner.constData(), type);
    });
}

LONG AsyncTandemEngine::GetExtraMachineInfo(SHORT machine, ITandemMachine** info) {
    return deliver<SimulatedMachine>(info, [&](const ComPtr<SimulatedMachine>& object) {
        return submit([machine, object](Request& r) {
            MachineInfoRecord record{};
            const LONG result = r.core.extraMachineInfo(machine, &record);
            object->slot.settle(result, record);
            r.callback.OnGetExtraMachineInfo(result);
        });
    });
}

} // namespace velox::simulator
