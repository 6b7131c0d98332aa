#pragma once

// The engine objects that the automation objects wrap. Each hands out its
// current information record (see InfoRecords.h); the record belongs to the
// engine object and stays valid while the object lives. A call returns 0 on
// success, anything else while the object holds no information (a request
// still running or one that failed). An object out-parameter carries one
// reference, which its receiver releases.

#include "platform/com/interfaces/Unknown.h"
#include "tanlink/EngineIds.h"

namespace velox::tanlink {

using com::BYTE;
using com::LONG;
using com::ULONG;

// A drive of the PC or the handheld.
struct ITandemDrive : com::IUnknown {
    static constexpr const IID& iid = IID_ITandemDrive;
    // 1: the address of the drive information record.
    virtual LONG GetInfo(const BYTE** record) = 0;

protected:
    ~ITandemDrive() = default;
};

// A file entry: from GetFileInfo, or one entry of a directory listing.
struct ITandemFile : com::IUnknown {
    static constexpr const IID& iid = IID_ITandemFile;
    // 1: the address of the file information record.
    virtual LONG GetInfo(const BYTE** record) = 0;
    // 2: the file's name, NUL-terminated, into a buffer of 260 characters.
    virtual LONG GetName(char* name) = 0;
    // 3 and 4: not used by this module.
    virtual LONG Reserved3() = 0;
    virtual LONG Reserved4() = 0;
    // 5: a new engine file object holding a copy of this entry (or null).
    virtual LONG Clone(ITandemFile** copy) = 0;

protected:
    ~ITandemFile() = default;
};

// Extra information on a machine.
struct ITandemMachine : com::IUnknown {
    static constexpr const IID& iid = IID_ITandemMachine;
    // 1: the address of the machine information record.
    virtual LONG GetInfo(const BYTE** record) = 0;

protected:
    ~ITandemMachine() = default;
};

// A directory listing, read one entry at a time.
struct ITandemDirectory : com::IUnknown {
    static constexpr const IID& iid = IID_ITandemDirectory;
    // 1: up to `count` next entries; `fetched` tells how many came.
    virtual LONG Next(ULONG count, ITandemFile** entries, ULONG* fetched) = 0;
    // 2: passes over `count` entries.
    virtual LONG Skip(ULONG count) = 0;
    // 3: starts the listing again at its first entry.
    virtual LONG Reset() = 0;

protected:
    ~ITandemDirectory() = default;
};

} // namespace velox::tanlink
