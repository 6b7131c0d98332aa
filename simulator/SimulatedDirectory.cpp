#include "simulator/SimulatedDirectory.h"

#include "simulator/SimulatedFile.h"

namespace velox::simulator {

using namespace tanlink;

com::LONG SimulatedDirectory::Next(com::ULONG count, ITandemFile** entries, com::ULONG* fetched) {
    if (fetched != nullptr) {
        *fetched = 0;
    }
    if (count > 0 && entries == nullptr) {
        return kErrorInvalidParameter;
    }
    const std::vector<FileEntry>* listing = nullptr;
    const com::LONG code = slot.get(&listing);
    if (code != kOk) {
        return code;
    }
    std::lock_guard lock(mutex_);
    com::ULONG delivered = 0;
    while (delivered < count && cursor_ < listing->size()) {
        entries[delivered++] = SimulatedFile::create((*listing)[cursor_++]);
    }
    for (com::ULONG i = delivered; i < count; ++i) {
        entries[i] = nullptr;
    }
    if (fetched != nullptr) {
        *fetched = delivered;
    }
    return kOk;
}

com::LONG SimulatedDirectory::Skip(com::ULONG count) {
    const std::vector<FileEntry>* listing = nullptr;
    const com::LONG code = slot.get(&listing);
    if (code != kOk) {
        return code;
    }
    std::lock_guard lock(mutex_);
    cursor_ = std::min(listing->size(), cursor_ + count);
    return kOk;
}

com::LONG SimulatedDirectory::Reset() {
    const std::vector<FileEntry>* listing = nullptr;
    const com::LONG code = slot.get(&listing);
    if (code != kOk) {
        return code;
    }
    std::lock_guard lock(mutex_);
    cursor_ = 0;
    return kOk;
}

} // namespace velox::simulator
