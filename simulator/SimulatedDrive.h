#pragma once

// The engine's drive object.

#include "simulator/EngineObjectBase.h"
#include "tanlink/EngineObjects.h"
#include "tanlink/InfoRecords.h"

namespace velox::simulator {

class SimulatedDrive final : public EngineObjectBase<tanlink::ITandemDrive> {
public:
    static SimulatedDrive* create() { return new SimulatedDrive; }

    com::LONG GetInfo(const com::BYTE** record) override {
        const tanlink::DriveInfoRecord* info = nullptr;
        const com::LONG code = slot.get(&info);
        *record = reinterpret_cast<const com::BYTE*>(info);
        return code;
    }

    InfoSlot<tanlink::DriveInfoRecord> slot;

private:
    SimulatedDrive() = default;
};

} // namespace velox::simulator
