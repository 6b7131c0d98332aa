#pragma once

// The synchronous link control (TandemEngS): every method does its work in
// the synchronous engine in the caller's thread and returns the outcome,
// through out-parameters where there is more than one result. Only progress
// arrives as events of _DTandemEngSEvents.

#include "tanlink/CFSinfoS.h"
#include "tanlink/LinkControl.h"
#include "tanlink/TandemEngineS.h"
#include "tanlink/TandemGuids.h"

namespace velox::tanlink {

inline constexpr CLSID CLSID_TandemEngS = tandemSyncControlGuid(0xF336CD44);
// IID_ and the dispatch interface's own name, which begins with an underscore.
// NOLINTNEXTLINE(bugprone-reserved-identifier)
inline constexpr IID IID__DTandemEngS = tandemSyncControlGuid(0xF336CD42);

// The buffers the engine fills for the drive list and the owner texts.
inline constexpr com::LONG kDriveListSize = 32;
inline constexpr com::LONG kOwnerInfoSize = 4000;
inline constexpr com::LONG kTypeInfoSize = 255;

class CTanlinkCtrlS final : public LinkControl<CTanlinkCtrlS, ITandemEngineS, CFSinfoS> {
public:
    static constexpr const IID& dispatchIid = IID__DTandemEngS;
    static constexpr const IID& eventsIid = IID__DTandemEngSEvents;
    static constexpr const CLSID& engineClass = CLSID_TandemEngineS;
    static constexpr const CLSID& classId = CLSID_TandemEngS;
    static constexpr com::UINT typeNameId = IDS_TANLINKS;
    static constexpr int bitmapId = IDB_TANLINKS;

    static const com::InterfaceInfo& dispatchInterface();

    // The methods that differ from the asynchronous control's. The engine's
    // code goes to lError; before Init it is CO_E_NOTINITIALIZED there.
    com::IDispatch* GetDirectory(SHORT machine, BSTR directory, LONG* lError,
                                 SHORT* numFiles);                                     // 3
    BSTR GetDrives(SHORT machine, LONG* lError);                                       // 10
    com::IDispatch* GetDriveInfo(SHORT machine, BSTR driveName, LONG* lError);         // 11
    BSTR ParseFile(BSTR part1, BSTR part2, BSTR part3, SHORT* driveLen, SHORT* dirLen, // 16
                   SHORT* fileLen, SHORT* extLen, SHORT* wild);
    com::IDispatch* GetFileInfo(SHORT machine, BSTR fileName, LONG* lError); // 19
    BSTR GetMachineOwnerInfo(SHORT machine, LONG* lError);                   // 20
    com::IDispatch* GetExtraMachineInfo(SHORT machine, LONG* lError);        // 21
    LONG GetMachineTypeInfo(SHORT machine, LONG* lError);                    // 32

private:
    friend class LinkControl<CTanlinkCtrlS, ITandemEngineS, CFSinfoS>;
    CTanlinkCtrlS() = default;
    ~CTanlinkCtrlS() override = default;

    // The engine, or null with CO_E_NOTINITIALIZED in lError.
    ITandemEngineS* engineFor(LONG* lError);
    // A request that returns automation object `Object` for a path:
    // `call(engine, record, slot)` (an engine method or a function) fills its
    // engine object and answers the code for lError. No engine, or a path
    // that does not fit, gives Nothing with its code in lError.
    template <typename Object, typename Call>
    com::IDispatch* objectOnPath(SHORT machine, BSTR path, LONG* lError, Call&& call);
};

} // namespace velox::tanlink
