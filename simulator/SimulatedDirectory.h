#pragma once

// The engine's directory object: a listing read one entry at a time.

#include "simulator/EngineObjectBase.h"
#include "simulator/FileEntry.h"
#include "tanlink/EngineObjects.h"

#include <mutex>
#include <vector>

namespace velox::simulator {

class SimulatedDirectory final : public EngineObjectBase<tanlink::ITandemDirectory> {
public:
    static SimulatedDirectory* create() { return new SimulatedDirectory; }

    com::LONG Next(com::ULONG count, tanlink::ITandemFile** entries, com::ULONG* fetched) override;
    com::LONG Skip(com::ULONG count) override;
    com::LONG Reset() override;

    InfoSlot<std::vector<FileEntry>> slot;

private:
    SimulatedDirectory() = default;

    std::mutex mutex_;
    std::size_t cursor_ = 0;
};

} // namespace velox::simulator
