#include "platform/com/Ansi.h"
#include "simulator/EngineCore.h"
#include "simulator/EngineSupport.h"
#include "tanlink/EngineCodes.h"
#include "tanlink/EngineIds.h"

#include <QDateTime>
#include <cstring>

// Machines: owner and type, the handheld's details, and its clock.

namespace velox::simulator {

using namespace tanlink;

LONG EngineCore::machineInfo(SHORT machine, QByteArray* owner, SHORT* type) {
    owner->clear();
    *type = 0;
    LONG code = kOk;
    const std::optional<HandheldState> state = reach(machine, &code);
    if (code != kOk) {
        return code;
    }
    if (machine == kMachineHandheld) {
        *owner = com::ansiFromUnicode(state->machine.owner);
        *type = state->machine.type;
    } else {
        *owner = com::ansiFromUnicode(qEnvironmentVariable("USER"));
    }
    return kOk;
}

LONG EngineCore::extraMachineInfo(SHORT machine, MachineInfoRecord* record) {
    std::memset(record, 0, sizeof *record);
    LONG code = kOk;
    const std::optional<HandheldState> state = reach(machine, &code);
    if (code != kOk) {
        return code;
    }
    if (machine != kMachineHandheld) {
        return kErrorInvalidParameter; // extra information exists for the handheld only
    }
    const MachineDetails& m = state->machine;
    putText(record->name, sizeof record->name, m.name);
    record->idLow = m.idLow;
    record->idHigh = m.idHigh;
    record->language = m.language;
    const QDateTime clock = QDateTime::currentDateTime().addSecs(m.clockOffset);
    putText(record->time, sizeof record->time,
            clock.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    record->daylightSaving = m.daylightSaving;
    record->romMajor = m.romMajor;
    record->romMinor = m.romMinor;
    record->romBuild = m.romBuild;
    record->displayWidth = m.displayWidth;
    record->displayHeight = m.displayHeight;
    record->mainBatteryStatus = m.mainBatteryStatus;
    record->backupBatteryStatus = m.backupBatteryStatus;
    record->currentConsumption = m.currentConsumption;
    record->externalPowerPresent = m.externalPowerPresent;
    record->totalRam = m.totalRam;
    record->totalRom = m.totalRom;
    record->maxFreeRam = m.maxFreeRam;
    record->freeRam = m.freeRam;
    record->internalDiskRam = m.internalDiskRam;
    record->registryRam = m.registryRam;
    record->romReprogrammable = m.romReprogrammable;
    return kOk;
}

LONG EngineCore::syncTime() {
    LONG code = kOk;
    reach(kMachineHandheld, &code);
    if (code != kOk) {
        return code;
    }
    return changeState([](HandheldState& s) { s.machine.clockOffset = 0; });
}

} // namespace velox::simulator
