#pragma once

// The machine object made by GetExtraMachineInfo: reads the engine
// machine's information record on every call.

#include "tanlink/AutomationObject.h"
#include "tanlink/EngineObjects.h"
#include "tanlink/TandemGuids.h"

namespace velox::tanlink {

inline constexpr IID IID_ITdmMachine = tandemGuid(0x3C476939);
inline constexpr CLSID CLSID_CTdmMachine = tandemGuid(0x3C476940);

class CTdmMachine final : public AutomationObject<CTdmMachine, ITandemMachine> {
public:
    using SHORT = com::SHORT;
    static constexpr const IID* interfaceId = &IID_ITdmMachine;

    com::BSTR GetName();                                         // 1
    void GetId(LONG* high, LONG* low);                           // 2
    com::BSTR GetTime();                                         // 3
    LONG GetLanguage();                                          // 4
    LONG GetMainBatteryStatus();                                 // 5
    LONG GetBackupBatteryStatus();                               // 6
    LONG GetDaylightSaving();                                    // 7
    void GetRomVersion(SHORT* major, SHORT* minor, LONG* build); // 8
    void GetDisplaySize(LONG* width, LONG* height);              // 9
    void GetMemoryDetails(LONG* totalRam, LONG* totalRom, LONG* freeRam, LONG* maxFreeRam,
                          LONG* internalDiskRam, LONG* registryRam); // 10
    LONG GetCurrentConsumption();                                    // 11
    SHORT IsExternalPowerPresent();                                  // 12
    SHORT IsRomReprogrammable();                                     // 13

    static const com::InterfaceInfo& dispatchInterface();

private:
    friend class AutomationObject<CTdmMachine, ITandemMachine>;
    CTdmMachine() = default;
    ~CTdmMachine() override = default;
};

} // namespace velox::tanlink
