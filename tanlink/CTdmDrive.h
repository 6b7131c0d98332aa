#pragma once

// The drive object made by GetDriveInfo: reads the engine drive's
// information record on every call.

#include "tanlink/AutomationObject.h"
#include "tanlink/EngineObjects.h"
#include "tanlink/TandemGuids.h"

namespace velox::tanlink {

inline constexpr IID IID_ITdmDrive = tandemGuid(0x3C476937);
inline constexpr CLSID CLSID_CTdmDrive = tandemGuid(0x3C476938);

class CTdmDrive final : public AutomationObject<CTdmDrive, ITandemDrive> {
public:
    static constexpr const IID* interfaceId = &IID_ITdmDrive;

    // DISPID 1: the low 32 bits of the total size.
    LONG GetSize();
    // DISPID 2: the drive name.
    com::BSTR GetName();
    // DISPID 3: the low 32 bits of the free space.
    LONG GetDevFreeSpace();

    static const com::InterfaceInfo& dispatchInterface();

private:
    friend class AutomationObject<CTdmDrive, ITandemDrive>;
    CTdmDrive() = default;
    ~CTdmDrive() override = default;
};

} // namespace velox::tanlink
