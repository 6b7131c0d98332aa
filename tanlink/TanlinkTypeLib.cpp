#include "tanlink/TanlinkTypeLib.h"

#include "tanlink/CFSinfo.h"
#include "tanlink/CFSinfoS.h"
#include "tanlink/CTanlinkCtrl.h"
#include "tanlink/CTanlinkCtrlS.h"
#include "tanlink/CTdmDrive.h"
#include "tanlink/CTdmFile.h"
#include "tanlink/CTdmMachine.h"

namespace velox::tanlink {

using namespace com;

namespace {

constexpr WORD kControlFlags = TYPEFLAG_FCANCREATE | TYPEFLAG_FCONTROL;

constexpr CoclassInfo kTandemEng{CLSID_TandemEng, "TandemEng",      "Tandem Engine Control",
                                 kControlFlags,   &IID__DTandemEng, &IID__DTandemEngEvents};
constexpr CoclassInfo kTandemEngS{
    CLSID_TandemEngS, "TandemEngS",      "Tandem EngineS Control (Synchronous)",
    kControlFlags,    &IID__DTandemEngS, &IID__DTandemEngSEvents};
constexpr CoclassInfo kTdmFile{CLSID_TdmFile,       "TdmFile",     nullptr,
                               TYPEFLAG_FCANCREATE, &IID_ITdmFile, nullptr};
constexpr CoclassInfo kTdmDrive{CLSID_CTdmDrive,     "CTdmDrive",    nullptr,
                                TYPEFLAG_FCANCREATE, &IID_ITdmDrive, nullptr};
constexpr CoclassInfo kTdmMachine{CLSID_CTdmMachine,   "CTdmMachine",    nullptr,
                                  TYPEFLAG_FCANCREATE, &IID_ITdmMachine, nullptr};

const CoclassInfo* const kCoclasses[] = {&kTandemEng, &kTandemEngS, &kTdmFile, &kTdmDrive,
                                         &kTdmMachine};

} // namespace

const TypeLibInfo& tanlinkTypeLibrary() {
    static const InterfaceInfo* const interfaces[] = {
        &CTanlinkCtrl::dispatchInterface(),  &CFSinfo::eventInterface(),
        &CTanlinkCtrlS::dispatchInterface(), &CFSinfoS::eventInterface(),
        &CTdmFile::dispatchInterface(),      &CTdmDrive::dispatchInterface(),
        &CTdmMachine::dispatchInterface(),
    };
    static const TypeLibInfo library{
        LIBID_TANDEMENGLib, "TANDEMENGLib", kTypeLibMajor,    kTypeLibMinor,
        kTypeLibLocale,     SYS_WIN32,      LIBFLAG_FCONTROL, "Tandem Engine OLE Control module",
        interfaces,         kCoclasses};
    return library;
}

} // namespace velox::tanlink
