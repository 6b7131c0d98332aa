#pragma once

// The callback object of the synchronous control: the engine reports
// progress through it while a request runs, and each call fires the
// matching event of _DTandemEngSEvents on the calling thread.

#include "platform/com/DispatchTable.h"
#include "tanlink/CallbackObject.h"
#include "tanlink/TandemCallbackS.h"
#include "tanlink/TandemGuids.h"

namespace velox::tanlink {

class CTanlinkCtrlS;

// IID_ and the dispatch interface's own name, which begins with an underscore.
// NOLINTNEXTLINE(bugprone-reserved-identifier)
inline constexpr IID IID__DTandemEngSEvents = tandemSyncControlGuid(0xF336CD43);

class CFSinfoS final : public CallbackObject<CFSinfoS, ITandemCallbackS, CTanlinkCtrlS> {
public:
    using DISPID = com::DISPID;

    // The events of _DTandemEngSEvents by DISPID.
    enum Event : DISPID {
        OnCopyProgressId = 1,
        OnCopyDirectoryProgressId = 2,
        OnFormatProgressId = 3,
        OnCloseProgramProgressId = 4,
    };

    // A new callback object with one reference and no control yet.
    static CFSinfoS* create() { return new CFSinfoS; }

    // The event interface as the type library describes it.
    static const com::InterfaceInfo& eventInterface();

private:
    CFSinfoS() = default;
    ~CFSinfoS() override = default;
};

} // namespace velox::tanlink
