#pragma once

// The asynchronous link control (TandemEng): every method hands its request
// to the asynchronous engine and returns at once; the outcome arrives as an
// event of _DTandemEngEvents, fired on the engine's worker thread.

#include "tanlink/CFSinfo.h"
#include "tanlink/LinkControl.h"
#include "tanlink/TandemEngine.h"
#include "tanlink/TandemGuids.h"

namespace velox::tanlink {

inline constexpr CLSID CLSID_TandemEng = tandemGuid(0x3C476933);
// IID_ and the dispatch interface's own name, which begins with an underscore.
// NOLINTNEXTLINE(bugprone-reserved-identifier)
inline constexpr IID IID__DTandemEng = tandemGuid(0x3C476931);

class CTanlinkCtrl final : public LinkControl<CTanlinkCtrl, ITandemEngine, CFSinfo> {
public:
    static constexpr const IID& dispatchIid = IID__DTandemEng;
    static constexpr const IID& eventsIid = IID__DTandemEngEvents;
    static constexpr const CLSID& engineClass = CLSID_TandemEngine;
    static constexpr const CLSID& classId = CLSID_TandemEng;
    static constexpr com::UINT typeNameId = IDS_TANLINK;
    static constexpr int bitmapId = IDB_TANLINK;

    static const com::InterfaceInfo& dispatchInterface();

    // The methods that differ from the synchronous control's (the others
    // are LinkControl's).
    com::IDispatch* GetDirectory(SHORT machine, BSTR directory);                       // 3
    LONG GetDrives(SHORT machine);                                                     // 10
    com::IDispatch* GetDriveInfo(SHORT machine, BSTR driveName);                       // 11
    BSTR ParseFile(BSTR part1, BSTR part2, BSTR part3, SHORT* driveLen, SHORT* dirLen, // 16
                   SHORT* fileLen, SHORT* extLen, SHORT* wild);
    com::IDispatch* GetFileInfo(SHORT machine, BSTR fileName); // 19
    LONG GetMachineInfo(SHORT machine);                        // 20
    com::IDispatch* GetExtraMachineInfo(SHORT machine);        // 21
    LONG CancelOperation();                                    // 25

private:
    friend class LinkControl<CTanlinkCtrl, ITandemEngine, CFSinfo>;
    CTanlinkCtrl() = default;
    ~CTanlinkCtrl() override = default;
};

} // namespace velox::tanlink
