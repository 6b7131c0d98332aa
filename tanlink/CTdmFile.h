#pragma once

// The file object made by GetFileInfo, by Clone and by the directory
// enumerator: reads the engine file's information record on every call.

#include "platform/com/Date.h"
#include "tanlink/AutomationObject.h"
#include "tanlink/EngineObjects.h"
#include "tanlink/TandemGuids.h"

namespace velox::tanlink {

inline constexpr IID IID_ITdmFile = tandemGuid(0x3C476935);
inline constexpr CLSID CLSID_TdmFile = tandemGuid(0x3C476936);

class CTdmFile final : public AutomationObject<CTdmFile, ITandemFile> {
public:
    static constexpr const IID* interfaceId = &IID_ITdmFile;

    // A new file object that takes over the caller's reference to `engine`.
    static CTdmFile* adopt(ITandemFile* engine);

    // Each reader raises "Object not ready" when the engine call fails, as
    // the drive object does, rather than reading what the engine left.

    // DISPID 1: the name the engine file writes.
    com::BSTR GetFileName();
    // DISPID 2: the modification time (UTC) as a local automation date in
    // whole seconds.
    com::DATE GetModifiedDate();
    // DISPID 3: the size in bytes.
    LONG GetSize();
    // DISPID 4: the attributes.
    LONG GetAttributes();
    // DISPID 5: a new file object on the engine's copy, or Nothing.
    com::IDispatch* Clone();

    static const com::InterfaceInfo& dispatchInterface();

private:
    friend class AutomationObject<CTdmFile, ITandemFile>;
    CTdmFile() = default;
    ~CTdmFile() override = default;
};

} // namespace velox::tanlink
