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

SyncTandemEngine::SyncTandemEngine(const QString& handheldRoot) : TandemEngineBase(handheldRoot) {}

LONG SyncTandemEngine::Init(ITandemCallbackS* callback) {
    return setCallback(callback);
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

} // namespace velox::simulator
