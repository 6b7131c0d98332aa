#include "tanlink/CFSinfoS.h"

#include "tanlink/CTanlinkCtrlS.h"
#include "tanlink/ControlParams.h"

namespace velox::tanlink {

using namespace com;
using namespace control_params::events;

namespace {

using E = CFSinfoS;

constexpr MemberInfo kEvents[] = {
    event(E::OnCopyProgressId, "OnCopyProgress", kProgress),
    event(E::OnCopyDirectoryProgressId, "OnCopyDirectoryProgress", kFileName),
    event(E::OnFormatProgressId, "OnFormatProgress", kProgress),
    event(E::OnCloseProgramProgressId, "OnCloseProgramProgress", kCloseProgress),
};

const InterfaceInfo kInterface{IID__DTandemEngSEvents, "_DTandemEngSEvents", kEvents, nullptr,
                               TYPEFLAG_FDISPATCHABLE};

} // namespace

const InterfaceInfo& CFSinfoS::eventInterface() {
    return kInterface;
}

} // namespace velox::tanlink
