#include "simulator/SyncTandemEngine.h"

#include "simulator/SimulatedDirectory.h"
#include "simulator/SimulatedDrive.h"
#include "simulator/SimulatedFile.h"
#include "simulator/SimulatedMachine.h"

#include <algorithm>
#include <cstring>

namespace velox::simulator {

using namespace tanlink;

namespace {

// A new engine object holding `value`, with one reference for the caller.
template <typename Object, typename Value> Object* filled(const Value& value) {
    Object* object = Object::create();
    object->slot.fill(value);
    return object;
}

// Copies whole NUL-terminated entries of `list` into `drives` (of `size`
// bytes), leaving room for the closing empty entry.
void copyDriveEntries(const QByteArray& list, char* drives, LONG size) {
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
}

} // namespace

SyncTandemEngine* SyncTandemEngine::create(const QString& handheldRoot) {
    return new SyncTandemEngine(handheldRoot);
}

SyncTandemEngine::SyncTandemEngine(const QString& handheldRoot) : TandemEngineBase(handheldRoot) {}

LONG SyncTandemEngine::Init(ITandemCallbackS* callback) {
    return setCallback(callback);
}

LONG SyncTandemEngine::Connect(LONG timeOutMilliseconds) {
    return dispatch([&](Request& r) { return r.core.connect(timeOutMilliseconds, r.cancelled); });
}

LONG SyncTandemEngine::Disconnect() {
    return dispatch([](Request& r) { return r.core.disconnect(); });
}

LONG SyncTandemEngine::GetDrives(MachinePathRecord* machine, char* drives, LONG size) {
    if (drives == nullptr || size < 2) {
        return kErrorInvalidParameter;
    }
    std::memset(drives, 0, static_cast<std::size_t>(size));
    return onPath(machine, [drives, size](Request& r, const PathArgument& a) {
        QByteArray list;
        const LONG code = r.core.drives(a.machine, &list);
        if (code == kOk) {
            copyDriveEntries(list, drives, size);
        }
        return code;
    });
}

LONG SyncTandemEngine::GetDriveInfo(MachinePathRecord* drive, ITandemDrive** info) {
    if (const LONG code = clearOut(info); code != kOk) {
        return code;
    }
    return onPath(drive, [info](Request& r, const PathArgument& a) {
        DriveInfoRecord record{};
        const LONG code = r.core.driveInfo(a, &record);
        if (code == kOk) {
            *info = filled<SimulatedDrive>(record);
        }
        return code;
    });
}

LONG SyncTandemEngine::LabelDrive(MachinePathRecord* drive, const char* label) {
    return onPath(drive, [label](Request& r, const PathArgument& a) {
        return r.core.labelDrive(a, textOf(label));
    });
}

LONG SyncTandemEngine::Format(MachinePathRecord* drive) {
    return onPath(drive, [](Request& r, const PathArgument& a) {
        return r.core.format(a, r.percent(&ITandemCallbackS::OnFormatProgress));
    });
}

LONG SyncTandemEngine::GetFileInfo(MachinePathRecord* file, ITandemFile** info) {
    if (const LONG code = clearOut(info); code != kOk) {
        return code;
    }
    return onPath(file, [info](Request& r, const PathArgument& a) {
        FileEntry entry;
        const LONG code = r.core.fileInfo(a, &entry);
        if (code == kOk) {
            *info = SimulatedFile::create(entry);
        }
        return code;
    });
}

LONG SyncTandemEngine::CopyFile(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) {
    return onPaths(from, to, [flags](Request& r, const PathArgument& a, const PathArgument& b) {
        return r.core.copyFile(a, b, flags, r.percent(&ITandemCallbackS::OnCopyProgress));
    });
}

LONG SyncTandemEngine::DeleteFile(MachinePathRecord* file) {
    return onPath(file, [](Request& r, const PathArgument& a) { return r.core.deleteFile(a); });
}

LONG SyncTandemEngine::RenameFile(MachinePathRecord* file, const char* newName) {
    return onPath(file, [newName](Request& r, const PathArgument& a) {
        return r.core.renameFile(a, textOf(newName));
    });
}

LONG SyncTandemEngine::MoveFile(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) {
    return onPaths(from, to, [flags](Request& r, const PathArgument& a, const PathArgument& b) {
        return r.core.moveFile(a, b, flags, r.percent(&ITandemCallbackS::OnCopyProgress));
    });
}

LONG SyncTandemEngine::SetAttributes(MachinePathRecord* file, LONG attributes) {
    return onPath(file, [attributes](Request& r, const PathArgument& a) {
        return r.core.setAttributes(a, attributes);
    });
}

LONG SyncTandemEngine::GetDirectory(MachinePathRecord* directory, ITandemDirectory** listing,
                                    SHORT* count) {
    if (const LONG code = clearOut(listing); code != kOk) {
        return code;
    }
    if (count != nullptr) {
        *count = 0;
    }
    return onPath(directory, [listing, count](Request& r, const PathArgument& a) {
        std::vector<FileEntry> entries;
        const LONG code = r.core.directory(a, &entries);
        if (code == kOk) {
            if (count != nullptr) {
                *count = static_cast<SHORT>(static_cast<com::USHORT>(entries.size()));
            }
            *listing = filled<SimulatedDirectory>(entries);
        }
        return code;
    });
}

LONG SyncTandemEngine::CreateDirectory(MachinePathRecord* directory) {
    return onPath(directory,
                  [](Request& r, const PathArgument& a) { return r.core.createDirectory(a); });
}

LONG SyncTandemEngine::DeleteDirectory(MachinePathRecord* directory) {
    return onPath(directory,
                  [](Request& r, const PathArgument& a) { return r.core.deleteDirectory(a); });
}

LONG SyncTandemEngine::CopyDirectory(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) {
    return onPaths(from, to, [flags](Request& r, const PathArgument& a, const PathArgument& b) {
        return r.core.copyDirectory(a, b, flags, r.folderProgress(), r.cancelled);
    });
}

LONG SyncTandemEngine::MoveDirectory(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) {
    return onPaths(from, to, [flags](Request& r, const PathArgument& a, const PathArgument& b) {
        return r.core.moveDirectory(a, b, flags, r.folderProgress(), r.cancelled);
    });
}

LONG SyncTandemEngine::RenameDirectory(MachinePathRecord* directory, const char* newName) {
    return onPath(directory, [newName](Request& r, const PathArgument& a) {
        return r.core.renameDirectory(a, textOf(newName));
    });
}

LONG SyncTandemEngine::GetMachineInfo(SHORT machine, char* owner, LONG size, SHORT* type) {
    if (owner == nullptr || size < 1 || type == nullptr) {
        return kErrorInvalidParameter;
    }
    owner[0] = '\0';
    *type = 0;
    return dispatch([&](Request& r) {
        QByteArray text;
        const LONG code = r.core.machineInfo(machine, &text, type);
        const auto length = static_cast<std::size_t>(std::min<qsizetype>(text.size(), size - 1));
        std::memcpy(owner, text.constData(), length);
        owner[length] = '\0';
        return code;
    });
}

LONG SyncTandemEngine::GetExtraMachineInfo(SHORT machine, ITandemMachine** info) {
    if (const LONG code = clearOut(info); code != kOk) {
        return code;
    }
    return dispatch([&](Request& r) {
        MachineInfoRecord record{};
        const LONG code = r.core.extraMachineInfo(machine, &record);
        if (code == kOk) {
            *info = filled<SimulatedMachine>(record);
        }
        return code;
    });
}

LONG SyncTandemEngine::MachineSyncTime() {
    return dispatch([](Request& r) { return r.core.syncTime(); });
}

LONG SyncTandemEngine::ClosePrograms(MachinePathRecord* drive) {
    return onPath(drive, [](Request& r, const PathArgument& a) {
        return r.core.closePrograms(a, r.closeProgress());
    });
}

LONG SyncTandemEngine::StartProgram(MachinePathRecord* file) {
    return onPath(file, [](Request& r, const PathArgument& a) { return r.core.startProgram(a); });
}

LONG SyncTandemEngine::StopProgram(MachinePathRecord* file) {
    return onPath(file, [](Request& r, const PathArgument& a) { return r.core.stopProgram(a); });
}

LONG SyncTandemEngine::ReadConfig(SHORT fromMachine, MachinePathRecord* toFile) {
    return onPath(toFile, [fromMachine](Request& r, const PathArgument& a) {
        return r.core.readConfig(fromMachine, a);
    });
}

LONG SyncTandemEngine::WriteConfig(MachinePathRecord* fromFile, SHORT toMachine) {
    return onPath(fromFile, [toMachine](Request& r, const PathArgument& a) {
        return r.core.writeConfig(a, toMachine);
    });
}

} // namespace velox::simulator
