#include "simulator/SyncTandemEngine.h"

#include "platform/com/Ansi.h"
#include "simulator/EngineArguments.h"
#include "simulator/EngineModuleLock.h"
#include "simulator/PathParsing.h"
#include "simulator/SimulatedDirectory.h"
#include "simulator/SimulatedDrive.h"
#include "simulator/SimulatedFile.h"
#include "simulator/SimulatedMachine.h"

#include <cstring>

namespace velox::simulator {

using namespace tanlink;
using com::BOOL;
using com::ComPtr;

SyncTandemEngine* SyncTandemEngine::create(const QString& handheldRoot) {
    return new SyncTandemEngine(handheldRoot);
}

SyncTandemEngine::SyncTandemEngine(const QString& handheldRoot) : core_(handheldRoot) {
    engineModuleLock().lock();
}

SyncTandemEngine::~SyncTandemEngine() {
    engineModuleLock().unlock();
}

LONG SyncTandemEngine::run(const std::function<LONG(Work&)>& work) {
    ComPtr<ITandemCallbackS> callback;
    {
        std::lock_guard lock(callbackMutex_);
        callback = callback_;
    }
    if (!callback) {
        return kErrorNotReady;
    }
    std::lock_guard lock(workMutex_);
    const std::uint64_t number = ++sequence_;
    Work w{core_, *callback.get(), [this, number] { return number <= cancelledUpTo_.load(); }};
    return work(w);
}

PercentProgress SyncTandemEngine::percent(Work& work,
                                          LONG (ITandemCallbackS::*report)(SHORT, BOOL*)) {
    return [&work, report](int value) {
        BOOL cancel = com::FALSE;
        (work.callback.*report)(static_cast<SHORT>(value), &cancel);
        return cancel != com::FALSE || work.cancelled();
    };
}

LONG SyncTandemEngine::Init(ITandemCallbackS* callback) {
    if (callback == nullptr) {
        return kErrorInvalidParameter;
    }
    std::lock_guard lock(callbackMutex_);
    callback_ = ComPtr<ITandemCallbackS>(callback);
    return kOk;
}

LONG SyncTandemEngine::SetConfiguration(LONG* result, LONG baud, LONG port) {
    if (result == nullptr) {
        return kErrorInvalidParameter;
    }
    *result = configuration_.set(baud, port);
    return kOk;
}

LONG SyncTandemEngine::GetConfiguration(LONG* result, LONG* baud, LONG* port) {
    if (result == nullptr || baud == nullptr || port == nullptr) {
        return kErrorInvalidParameter;
    }
    configuration_.get(baud, port);
    *result = kOk;
    return kOk;
}

LONG SyncTandemEngine::Connect(LONG timeOutMilliseconds) {
    return run([&](Work& w) { return w.core.connect(timeOutMilliseconds, w.cancelled); });
}

LONG SyncTandemEngine::Disconnect() {
    return run([](Work& w) { return w.core.disconnect(); });
}

LONG SyncTandemEngine::GetDrives(MachinePathRecord* machine, char* drives, LONG size) {
    PathArgument a;
    if (drives == nullptr || size < 2) {
        return kErrorInvalidParameter;
    }
    std::memset(drives, 0, static_cast<std::size_t>(size));
    if (const LONG code = argumentOf(machine, &a); code != kOk) {
        return code;
    }
    return run([&](Work& w) {
        QByteArray list;
        const LONG code = w.core.drives(a.machine, &list);
        if (code != kOk) {
            return code;
        }
        // Whole entries only, and room for the closing empty entry.
        qsizetype used = 0;
        qsizetype start = 0;
        while (start < list.size() && list[start] != '\0') {
            const qsizetype end = list.indexOf('\0', start);
            if (end + 2 > size) {
                break;
            }
            used = end + 1;
            start = end + 1;
        }
        std::memcpy(drives, list.constData(), static_cast<std::size_t>(used));
        return kOk;
    });
}

LONG SyncTandemEngine::GetDriveInfo(MachinePathRecord* drive, ITandemDrive** info) {
    PathArgument a;
    if (info == nullptr) {
        return kErrorInvalidParameter;
    }
    *info = nullptr;
    if (const LONG code = argumentOf(drive, &a); code != kOk) {
        return code;
    }
    return run([&](Work& w) {
        DriveInfoRecord record{};
        const LONG code = w.core.driveInfo(a, &record);
        if (code == kOk) {
            SimulatedDrive* object = SimulatedDrive::create();
            object->slot.fill(record);
            *info = object;
        }
        return code;
    });
}

LONG SyncTandemEngine::LabelDrive(MachinePathRecord* drive, const char* label) {
    PathArgument a;
    if (const LONG code = argumentOf(drive, &a); code != kOk) {
        return code;
    }
    return run([&](Work& w) { return w.core.labelDrive(a, textOf(label)); });
}

LONG SyncTandemEngine::Format(MachinePathRecord* drive) {
    PathArgument a;
    if (const LONG code = argumentOf(drive, &a); code != kOk) {
        return code;
    }
    return run(
        [&](Work& w) { return w.core.format(a, percent(w, &ITandemCallbackS::OnFormatProgress)); });
}

LONG SyncTandemEngine::GetFileInfo(MachinePathRecord* file, ITandemFile** info) {
    PathArgument a;
    if (info == nullptr) {
        return kErrorInvalidParameter;
    }
    *info = nullptr;
    if (const LONG code = argumentOf(file, &a); code != kOk) {
        return code;
    }
    return run([&](Work& w) {
        FileEntry entry;
        const LONG code = w.core.fileInfo(a, &entry);
        if (code == kOk) {
            *info = SimulatedFile::create(entry);
        }
        return code;
    });
}

LONG SyncTandemEngine::CopyFile(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) {
    PathArgument a;
    PathArgument b;
    if (const LONG code = argumentsOf(from, to, &a, &b); code != kOk) {
        return code;
    }
    return run([&](Work& w) {
        return w.core.copyFile(a, b, flags, percent(w, &ITandemCallbackS::OnCopyProgress));
    });
}

LONG SyncTandemEngine::DeleteFile(MachinePathRecord* file) {
    PathArgument a;
    if (const LONG code = argumentOf(file, &a); code != kOk) {
        return code;
    }
    return run([&](Work& w) { return w.core.deleteFile(a); });
}

LONG SyncTandemEngine::RenameFile(MachinePathRecord* file, const char* newName) {
    PathArgument a;
    if (const LONG code = argumentOf(file, &a); code != kOk) {
        return code;
    }
    return run([&](Work& w) { return w.core.renameFile(a, textOf(newName)); });
}

LONG SyncTandemEngine::MoveFile(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) {
    PathArgument a;
    PathArgument b;
    if (const LONG code = argumentsOf(from, to, &a, &b); code != kOk) {
        return code;
    }
    return run([&](Work& w) {
        return w.core.moveFile(a, b, flags, percent(w, &ITandemCallbackS::OnCopyProgress));
    });
}

LONG SyncTandemEngine::SetAttributes(MachinePathRecord* file, LONG attributes) {
    PathArgument a;
    if (const LONG code = argumentOf(file, &a); code != kOk) {
        return code;
    }
    return run([&](Work& w) { return w.core.setAttributes(a, attributes); });
}

LONG SyncTandemEngine::GetDirectory(MachinePathRecord* directory, ITandemDirectory** listing,
                                    SHORT* count) {
    PathArgument a;
    if (listing == nullptr) {
        return kErrorInvalidParameter;
    }
    *listing = nullptr;
    if (count != nullptr) {
        *count = 0;
    }
    if (const LONG code = argumentOf(directory, &a); code != kOk) {
        return code;
    }
    return run([&](Work& w) {
        std::vector<FileEntry> entries;
        const LONG code = w.core.directory(a, &entries);
        if (code == kOk) {
            SimulatedDirectory* object = SimulatedDirectory::create();
            if (count != nullptr) {
                *count = static_cast<SHORT>(static_cast<com::USHORT>(entries.size()));
            }
            object->slot.fill(entries);
            *listing = object;
        }
        return code;
    });
}

LONG SyncTandemEngine::CreateDirectory(MachinePathRecord* directory) {
    PathArgument a;
    if (const LONG code = argumentOf(directory, &a); code != kOk) {
        return code;
    }
    return run([&](Work& w) { return w.core.createDirectory(a); });
}

LONG SyncTandemEngine::DeleteDirectory(MachinePathRecord* directory) {
    PathArgument a;
    if (const LONG code = argumentOf(directory, &a); code != kOk) {
        return code;
    }
    return run([&](Work& w) { return w.core.deleteDirectory(a); });
}

LONG SyncTandemEngine::CopyDirectory(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) {
    PathArgument a;
    PathArgument b;
    if (const LONG code = argumentsOf(from, to, &a, &b); code != kOk) {
        return code;
    }
    return run([&](Work& w) {
        return w.core.copyDirectory(
            a, b, flags,
            [&w](const QByteArray& name) { w.callback.OnCopyDirectoryProgress(name.constData()); },
            w.cancelled);
    });
}

LONG SyncTandemEngine::MoveDirectory(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) {
    PathArgument a;
    PathArgument b;
    if (const LONG code = argumentsOf(from, to, &a, &b); code != kOk) {
        return code;
    }
    return run([&](Work& w) {
        return w.core.moveDirectory(
            a, b, flags,
            [&w](const QByteArray& name) { w.callback.OnCopyDirectoryProgress(name.constData()); },
            w.cancelled);
    });
}

LONG SyncTandemEngine::RenameDirectory(MachinePathRecord* directory, const char* newName) {
    PathArgument a;
    if (const LONG code = argumentOf(directory, &a); code != kOk) {
        return code;
    }
    return run([&](Work& w) { return w.core.renameDirectory(a, textOf(newName)); });
}

LONG SyncTandemEngine::GetMachineInfo(SHORT machine, char* owner, LONG size, SHORT* type) {
    if (owner == nullptr || size < 1 || type == nullptr) {
        return kErrorInvalidParameter;
    }
    owner[0] = '\0';
    *type = 0;
    return run([&](Work& w) {
        QByteArray text;
        const LONG code = w.core.machineInfo(machine, &text, type);
        const auto length = static_cast<std::size_t>(std::min<qsizetype>(text.size(), size - 1));
        std::memcpy(owner, text.constData(), length);
        owner[length] = '\0';
        return code;
    });
}

LONG SyncTandemEngine::GetExtraMachineInfo(SHORT machine, ITandemMachine** info) {
    if (info == nullptr) {
        return kErrorInvalidParameter;
    }
    *info = nullptr;
    return run([&](Work& w) {
        MachineInfoRecord record{};
        const LONG code = w.core.extraMachineInfo(machine, &record);
        if (code == kOk) {
            SimulatedMachine* object = SimulatedMachine::create();
            object->slot.fill(record);
            *info = object;
        }
        return code;
    });
}

LONG SyncTandemEngine::MachineSyncTime() {
    return run([](Work& w) { return w.core.syncTime(); });
}

LONG SyncTandemEngine::Reserved25() {
    return kErrorNotSupported;
}

LONG SyncTandemEngine::ParseFile(const char* part1, const char* part2, const char* part3,
                                 ParseRecord* parsed) {
    return parsePath(part1, part2, part3, parsed);
}

LONG SyncTandemEngine::MatchWildcard(const char* name, const char* wildcard, BOOL ignoreCase,
                                     BOOL* result) {
    return matchWildcardCall(name, wildcard, ignoreCase, result);
}

LONG SyncTandemEngine::CancelOperation(LONG* result) {
    // Cancels the request running now (its number is the latest one).
    cancelledUpTo_.store(sequence_.load());
    if (result != nullptr) {
        *result = kOk;
    }
    return kOk;
}

LONG SyncTandemEngine::ClosePrograms(MachinePathRecord* drive) {
    PathArgument a;
    if (const LONG code = argumentOf(drive, &a); code != kOk) {
        return code;
    }
    return run([&](Work& w) {
        return w.core.closePrograms(a, [&w](const QByteArray& application, const QByteArray& file) {
            w.callback.OnCloseProgramProgress(application.constData(), file.constData());
        });
    });
}

LONG SyncTandemEngine::StartProgram(MachinePathRecord* file) {
    PathArgument a;
    if (const LONG code = argumentOf(file, &a); code != kOk) {
        return code;
    }
    return run([&](Work& w) { return w.core.startProgram(a); });
}

LONG SyncTandemEngine::StopProgram(MachinePathRecord* file) {
    PathArgument a;
    if (const LONG code = argumentOf(file, &a); code != kOk) {
        return code;
    }
    return run([&](Work& w) { return w.core.stopProgram(a); });
}

LONG SyncTandemEngine::ReadConfig(SHORT fromMachine, MachinePathRecord* toFile) {
    PathArgument a;
    if (const LONG code = argumentOf(toFile, &a); code != kOk) {
        return code;
    }
    return run([&](Work& w) { return w.core.readConfig(fromMachine, a); });
}

LONG SyncTandemEngine::WriteConfig(MachinePathRecord* fromFile, SHORT toMachine) {
    PathArgument a;
    if (const LONG code = argumentOf(fromFile, &a); code != kOk) {
        return code;
    }
    return run([&](Work& w) { return w.core.writeConfig(a, toMachine); });
}

} // namespace velox::simulator
