#include "simulator/SimulatedFile.h"

#include "tanlink/EngineRecords.h"

#include <algorithm>
#include <cstring>

namespace velox::simulator {

using namespace tanlink;

SimulatedFile* SimulatedFile::create(const FileEntry& entry) {
    SimulatedFile* file = create();
    file->slot.fill(entry);
    return file;
}

com::LONG SimulatedFile::GetInfo(const com::BYTE** record) {
    const FileEntry* entry = nullptr;
    const com::LONG code = slot.get(&entry);
    *record = entry != nullptr ? reinterpret_cast<const com::BYTE*>(&entry->record) : nullptr;
    return code;
}

com::LONG SimulatedFile::GetName(char* name) {
    const FileEntry* entry = nullptr;
    const com::LONG code = slot.get(&entry);
    if (code != kOk) {
        return code;
    }
    const std::size_t length =
        std::min<std::size_t>(static_cast<std::size_t>(entry->name.size()), kPathFieldSize - 1);
    std::memcpy(name, entry->name.constData(), length);
    name[length] = '\0';
    return kOk;
}

com::LONG SimulatedFile::Clone(ITandemFile** copy) {
    *copy = nullptr;
    const FileEntry* entry = nullptr;
    const com::LONG code = slot.get(&entry);
    if (code != kOk) {
        return code;
    }
    *copy = create(*entry);
    return kOk;
}

} // namespace velox::simulator
