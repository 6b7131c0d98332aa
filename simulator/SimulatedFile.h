#pragma once

// The engine's file object: one file entry.

#include "simulator/EngineObjectBase.h"
#include "simulator/FileEntry.h"
#include "tanlink/EngineObjects.h"

namespace velox::simulator {

class SimulatedFile final : public EngineObjectBase<tanlink::ITandemFile> {
public:
    static SimulatedFile* create() { return new SimulatedFile; }
    static SimulatedFile* create(const FileEntry& entry);

    com::LONG GetInfo(const com::BYTE** record) override;
    com::LONG GetName(char* name) override;
    com::LONG Reserved3() override { return tanlink::kErrorNotSupported; }
    com::LONG Reserved4() override { return tanlink::kErrorNotSupported; }
    com::LONG Clone(tanlink::ITandemFile** copy) override;

    InfoSlot<FileEntry> slot;

private:
    SimulatedFile() = default;
};

} // namespace velox::simulator
