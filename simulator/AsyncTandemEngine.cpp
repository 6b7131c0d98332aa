#include "simulator/AsyncTandemEngine.h"

#include "platform/com/Ansi.h"
#include "simulator/EngineArguments.h"
#include "simulator/EngineModuleLock.h"
#include "simulator/PathParsing.h"
#include "simulator/SimulatedDirectory.h"
#include "simulator/SimulatedDrive.h"
#include "simulator/SimulatedFile.h"
#include "simulator/SimulatedMachine.h"

namespace velox::simulator {

using namespace tanlink;
using com::BOOL;
using com::ComPtr;

AsyncTandemEngine* AsyncTandemEngine::create(const QString& handheldRoot) {
    return new AsyncTandemEngine(handheldRoot);
}

AsyncTandemEngine::AsyncTandemEngine(const QString& handheldRoot) : core_(handheldRoot) {
    engineModuleLock().lock();
}

AsyncTandemEngine::~AsyncTandemEngine() {
    engineModuleLock().unlock();
}

LONG AsyncTandemEngine::submit(std::function<void(Job&)> work) {
    ComPtr<ITandemCallback> callback;
    {
        std::lock_guard lock(callbackMutex_);
        callback = callback_;
    }
    if (!callback) {
        return kErrorNotReady;
    }
    const std::uint64_t number = ++sequence_;
    ComPtr<AsyncTandemEngine> self(this);
    queue_.post([self, callback, number, work = std::move(work)] {
        Job job{self->core_, *callback.get(),
                [engine = self.get(), number] { return number <= engine->cancelledUpTo_.load(); }};
        work(job);
    });
    return kOk;
}

PercentProgress AsyncTandemEngine::percent(Job& job,
                                           LONG (ITandemCallback::*report)(SHORT, BOOL*)) {
    return [&job, report](int value) {
        BOOL cancel = com::FALSE;
        (job.callback.*report)(static_cast<SHORT>(value), &cancel);
        return cancel != com::FALSE || job.cancelled();
    };
}

LONG AsyncTandemEngine::Init(ITandemCallback* callback) {
    if (callback == nullptr) {
        return kErrorInvalidParameter;
    }
    {
        std::lock_guard lock(callbackMutex_);
        callback_ = ComPtr<ITandemCallback>(callback);
    }
    return submit([](Job& job) { job.callback.OnInit(kOk); });
}

LONG AsyncTandemEngine::SetConfiguration(LONG* result, LONG baud, LONG port) {
    if (result == nullptr) {
        return kErrorInvalidParameter;
    }
    *result = configuration_.set(baud, port);
    return kOk;
}

LONG AsyncTandemEngine::GetConfiguration(LONG* result, LONG* baud, LONG* port) {
    if (result == nullptr || baud == nullptr || port == nullptr) {
        return kErrorInvalidParameter;
    }
    configuration_.get(baud, port);
    *result = kOk;
    return kOk;
}

LONG AsyncTandemEngine::Connect(LONG timeOutMilliseconds) {
    return submit([timeOutMilliseconds](Job& job) {
        job.callback.OnConnect(job.core.connect(timeOutMilliseconds, job.cancelled));
    });
}

LONG AsyncTandemEngine::Disconnect() {
    return submit([](Job& job) { job.callback.OnDisconnect(job.core.disconnect()); });
}

LONG AsyncTandemEngine::GetDrives(MachinePathRecord* machine) {
    PathArgument a;
    if (const LONG code = argumentOf(machine, &a); code != kOk) {
        return code;
    }
    return submit([a](Job& job) {
        QByteArray list;
        const LONG code = job.core.drives(a.machine, &list);
        if (code != kOk) {
            list = QByteArray(2, '\0');
        }
        job.callback.OnGetDrives(code, list.constData());
    });
}

LONG AsyncTandemEngine::GetDriveInfo(MachinePathRecord* drive, ITandemDrive** info) {
    PathArgument a;
    if (info == nullptr) {
        return kErrorInvalidParameter;
    }
    *info = nullptr;
    if (const LONG code = argumentOf(drive, &a); code != kOk) {
        return code;
    }
    ComPtr<SimulatedDrive> object = ComPtr<SimulatedDrive>::attach(SimulatedDrive::create());
    const LONG code = submit([a, object](Job& job) {
        DriveInfoRecord record{};
        const LONG result = job.core.driveInfo(a, &record);
        result == kOk ? object->slot.fill(record) : object->slot.fail(result);
        job.callback.OnGetDriveInfo(result);
    });
    if (code == kOk) {
        *info = ComPtr<SimulatedDrive>(object).detach();
    }
    return code;
}

LONG AsyncTandemEngine::LabelDrive(MachinePathRecord* drive, const char* label) {
    PathArgument a;
    if (const LONG code = argumentOf(drive, &a); code != kOk) {
        return code;
    }
    return submit([a, text = textOf(label)](Job& job) {
        job.callback.OnLabelDrive(job.core.labelDrive(a, text));
    });
}

LONG AsyncTandemEngine::Format(MachinePathRecord* drive) {
    PathArgument a;
    if (const LONG code = argumentOf(drive, &a); code != kOk) {
        return code;
    }
    return submit([a](Job& job) {
        job.callback.OnFormat(job.core.format(a, percent(job, &ITandemCallback::OnFormatProgress)));
    });
}

LONG AsyncTandemEngine::GetFileInfo(MachinePathRecord* file, ITandemFile** info) {
    PathArgument a;
    if (info == nullptr) {
        return kErrorInvalidParameter;
    }
    *info = nullptr;
    if (const LONG code = argumentOf(file, &a); code != kOk) {
        return code;
    }
    ComPtr<SimulatedFile> object = ComPtr<SimulatedFile>::attach(SimulatedFile::create());
    const LONG code = submit([a, object](Job& job) {
        FileEntry entry;
        const LONG result = job.core.fileInfo(a, &entry);
        result == kOk ? object->slot.fill(entry) : object->slot.fail(result);
        job.callback.OnGetFileInfo(result);
    });
    if (code == kOk) {
        *info = ComPtr<SimulatedFile>(object).detach();
    }
    return code;
}

LONG AsyncTandemEngine::CopyFile(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) {
    PathArgument a;
    PathArgument b;
    if (const LONG code = argumentsOf(from, to, &a, &b); code != kOk) {
        return code;
    }
    return submit([a, b, flags](Job& job) {
        job.callback.OnCopyFile(
            job.core.copyFile(a, b, flags, percent(job, &ITandemCallback::OnCopyProgress)));
    });
}

LONG AsyncTandemEngine::DeleteFile(MachinePathRecord* file) {
    PathArgument a;
    if (const LONG code = argumentOf(file, &a); code != kOk) {
        return code;
    }
    return submit([a](Job& job) { job.callback.OnDeleteFile(job.core.deleteFile(a)); });
}

LONG AsyncTandemEngine::RenameFile(MachinePathRecord* file, const char* newName) {
    PathArgument a;
    if (const LONG code = argumentOf(file, &a); code != kOk) {
        return code;
    }
    return submit([a, name = textOf(newName)](Job& job) {
        job.callback.OnRenameFile(job.core.renameFile(a, name));
    });
}

LONG AsyncTandemEngine::MoveFile(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) {
    PathArgument a;
    PathArgument b;
    if (const LONG code = argumentsOf(from, to, &a, &b); code != kOk) {
        return code;
    }
    return submit([a, b, flags](Job& job) {
        job.callback.OnMoveFile(
            job.core.moveFile(a, b, flags, percent(job, &ITandemCallback::OnCopyProgress)));
    });
}

LONG AsyncTandemEngine::SetAttributes(MachinePathRecord* file, LONG attributes) {
    PathArgument a;
    if (const LONG code = argumentOf(file, &a); code != kOk) {
        return code;
    }
    return submit([a, attributes](Job& job) {
        job.callback.OnSetAttributes(job.core.setAttributes(a, attributes));
    });
}

LONG AsyncTandemEngine::GetDirectory(MachinePathRecord* directory, ITandemDirectory** listing) {
    PathArgument a;
    if (listing == nullptr) {
        return kErrorInvalidParameter;
    }
    *listing = nullptr;
    if (const LONG code = argumentOf(directory, &a); code != kOk) {
        return code;
    }
    ComPtr<SimulatedDirectory> object =
        ComPtr<SimulatedDirectory>::attach(SimulatedDirectory::create());
    const LONG code = submit([a, object](Job& job) {
        std::vector<FileEntry> entries;
        const LONG result = job.core.directory(a, &entries);
        result == kOk ? object->slot.fill(entries) : object->slot.fail(result);
        job.callback.OnGetDirectory(result, static_cast<USHORT>(entries.size()));
    });
    if (code == kOk) {
        *listing = ComPtr<SimulatedDirectory>(object).detach();
    }
    return code;
}

LONG AsyncTandemEngine::CreateDirectory(MachinePathRecord* directory) {
    PathArgument a;
    if (const LONG code = argumentOf(directory, &a); code != kOk) {
        return code;
    }
    return submit([a](Job& job) { job.callback.OnCreateDirectory(job.core.createDirectory(a)); });
}

LONG AsyncTandemEngine::DeleteDirectory(MachinePathRecord* directory) {
    PathArgument a;
    if (const LONG code = argumentOf(directory, &a); code != kOk) {
        return code;
    }
    return submit([a](Job& job) { job.callback.OnDeleteDirectory(job.core.deleteDirectory(a)); });
}

LONG AsyncTandemEngine::CopyDirectory(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) {
    PathArgument a;
    PathArgument b;
    if (const LONG code = argumentsOf(from, to, &a, &b); code != kOk) {
        return code;
    }
    return submit([a, b, flags](Job& job) {
        const LONG result = job.core.copyDirectory(
            a, b, flags,
            [&job](const QByteArray& name) {
                job.callback.OnCopyDirectoryProgress(name.constData());
            },
            job.cancelled);
        job.callback.OnCopyDirectory(result);
    });
}

LONG AsyncTandemEngine::MoveDirectory(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) {
    PathArgument a;
    PathArgument b;
    if (const LONG code = argumentsOf(from, to, &a, &b); code != kOk) {
        return code;
    }
    return submit([a, b, flags](Job& job) {
        const LONG result = job.core.moveDirectory(
            a, b, flags,
            [&job](const QByteArray& name) {
                job.callback.OnCopyDirectoryProgress(name.constData());
            },
            job.cancelled);
        job.callback.OnMoveDirectory(result);
    });
}

LONG AsyncTandemEngine::RenameDirectory(MachinePathRecord* directory, const char* newName) {
    PathArgument a;
    if (const LONG code = argumentOf(directory, &a); code != kOk) {
        return code;
    }
    return submit([a, name = textOf(newName)](Job& job) {
        job.callback.OnRenameDirectory(job.core.renameDirectory(a, name));
    });
}

LONG AsyncTandemEngine::GetMachineInfo(SHORT machine) {
    return submit([machine](Job& job) {
        QByteArray owner;
        SHORT type = 0;
        const LONG result = job.core.machineInfo(machine, &owner, &type);
        job.callback.OnGetMachineInfo(result, owner.constData(), type);
    });
}

LONG AsyncTandemEngine::GetExtraMachineInfo(SHORT machine, ITandemMachine** info) {
    if (info == nullptr) {
        return kErrorInvalidParameter;
    }
    *info = nullptr;
    ComPtr<SimulatedMachine> object = ComPtr<SimulatedMachine>::attach(SimulatedMachine::create());
    const LONG code = submit([machine, object](Job& job) {
        MachineInfoRecord record{};
        const LONG result = job.core.extraMachineInfo(machine, &record);
        result == kOk ? object->slot.fill(record) : object->slot.fail(result);
        job.callback.OnGetExtraMachineInfo(result);
    });
    if (code == kOk) {
        *info = ComPtr<SimulatedMachine>(object).detach();
    }
    return code;
}

LONG AsyncTandemEngine::MachineSyncTime() {
    return submit([](Job& job) { job.callback.OnMachineSyncTime(job.core.syncTime()); });
}

LONG AsyncTandemEngine::Reserved25() {
    return kErrorNotSupported;
}

LONG AsyncTandemEngine::ParseFile(const char* part1, const char* part2, const char* part3,
                                  ParseRecord* parsed) {
    return parsePath(part1, part2, part3, parsed);
}

LONG AsyncTandemEngine::MatchWildcard(const char* name, const char* wildcard, BOOL ignoreCase,
                                      BOOL* result) {
    return matchWildcardCall(name, wildcard, ignoreCase, result);
}

LONG AsyncTandemEngine::CancelOperation(LONG* result) {
    cancelledUpTo_.store(sequence_.load());
    if (result != nullptr) {
        *result = kOk;
    }
    return kOk;
}

LONG AsyncTandemEngine::ClosePrograms(MachinePathRecord* drive) {
    PathArgument a;
    if (const LONG code = argumentOf(drive, &a); code != kOk) {
        return code;
    }
    return submit([a](Job& job) {
        job.callback.OnClosePrograms(job.core.closePrograms(
            a, [&job](const QByteArray& application, const QByteArray& file) {
                job.callback.OnCloseProgramProgress(application.constData(), file.constData());
            }));
    });
}

LONG AsyncTandemEngine::StartProgram(MachinePathRecord* file) {
    PathArgument a;
    if (const LONG code = argumentOf(file, &a); code != kOk) {
        return code;
    }
    return submit([a](Job& job) { job.callback.OnStartProgram(job.core.startProgram(a)); });
}

LONG AsyncTandemEngine::StopProgram(MachinePathRecord* file) {
    PathArgument a;
    if (const LONG code = argumentOf(file, &a); code != kOk) {
        return code;
    }
    return submit([a](Job& job) { job.callback.OnStopProgram(job.core.stopProgram(a)); });
}

LONG AsyncTandemEngine::ReadConfig(SHORT fromMachine, MachinePathRecord* toFile) {
    PathArgument a;
    if (const LONG code = argumentOf(toFile, &a); code != kOk) {
        return code;
    }
    return submit([fromMachine, a](Job& job) {
        job.callback.OnReadConfig(job.core.readConfig(fromMachine, a));
    });
}

LONG AsyncTandemEngine::WriteConfig(MachinePathRecord* fromFile, SHORT toMachine) {
    PathArgument a;
    if (const LONG code = argumentOf(fromFile, &a); code != kOk) {
        return code;
    }
    return submit([a, toMachine](Job& job) {
        job.callback.OnWriteConfig(job.core.writeConfig(a, toMachine));
    });
}

} // namespace velox::simulator
