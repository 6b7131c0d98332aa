#include "tanlink/CTdmDirObj.h"

#include "platform/com/AutomationException.h"
#include "platform/com/ComPtr.h"
#include "platform/com/DispatchThunk.h"
#include "tanlink/TdmEnumerator.h"

namespace velox::tanlink {

using namespace com;

namespace {

constexpr ParamInfo kCountValue[] = {{"Count", VT_I2}};

constexpr MemberInfo kMembers[] = {
    {1, "Count", MemberKind::PropertyGet, VT_I2, {}, dispatchThunk<&CTdmDirObj::GetCount>},
    {1, "Count", MemberKind::PropertyPut, VT_EMPTY, kCountValue,
     dispatchThunk<&CTdmDirObj::SetCount>},
    {DISPID_NEWENUM,
     "_NewEnum",
     MemberKind::PropertyGet,
     VT_UNKNOWN,
     {},
     dispatchThunk<&CTdmDirObj::NewEnum>,
     nullptr,
     FUNCFLAG_FRESTRICTED},
};

const InterfaceInfo kInterface{GUID_NULL, "CTdmDirObj", kMembers};

} // namespace

const InterfaceInfo& CTdmDirObj::dispatchInterface() {
    return kInterface;
}

CTdmDirObj::SHORT CTdmDirObj::GetCount() {
    return 0;
}

void CTdmDirObj::SetCount(SHORT /*value*/) {
    throw AutomationException::withScode(CTL_E_SETNOTSUPPORTED,
                                         QStringLiteral("Property is read-only"));
}

IUnknown* CTdmDirObj::NewEnum() {
    ComPtr<TdmEnumerator> enumerator = ComPtr<TdmEnumerator>::attach(TdmEnumerator::create(this));
    if (engineObject() == nullptr || engineObject()->Reset() != kOk) {
        raiseObjectNotReady();
    }
    return enumerator.detach();
}

} // namespace velox::tanlink
