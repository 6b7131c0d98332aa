#pragma once

// The engine's machine object.

#include "simulator/EngineObjectBase.h"
#include "tanlink/EngineObjects.h"
#include "tanlink/InfoRecords.h"

namespace velox::simulator {

class SimulatedMachine final : public EngineObjectBase<tanlink::ITandemMachine> {
public:
    static SimulatedMachine* create() { return new SimulatedMachine; }

    com::LONG GetInfo(const com::BYTE** record) override {
        const tanlink::MachineInfoRecord* info = nullptr;
        const com::LONG code = slot.get(&info);
        *record = reinterpret_cast<const com::BYTE*>(info);
        return code;
    }

    InfoSlot<tanlink::MachineInfoRecord> slot;

private:
    SimulatedMachine() = default;
};

} // namespace velox::simulator
