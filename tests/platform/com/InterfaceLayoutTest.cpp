#include "platform/com/interfaces/ClassFactory.h"
#include "platform/com/interfaces/ClassInfo.h"
#include "platform/com/interfaces/ConnectionPoints.h"
#include "platform/com/interfaces/EnumVariant.h"
#include "platform/com/interfaces/OleControl.h"
#include "platform/com/interfaces/OleObject.h"
#include "platform/com/interfaces/Persist.h"
#include "platform/com/interfaces/PropertyPages.h"
#include "platform/com/interfaces/ViewObject.h"

#include <cstddef>
#include <cstring>
#include <gtest/gtest.h>

using namespace velox::com;

namespace {

// The vtable slot of a virtual member function (Itanium C++ ABI: a pointer
// to a virtual member holds 1 + the slot's byte offset).
template <typename F> std::size_t slotOf(F member) {
    std::uintptr_t raw = 0;
    std::memcpy(&raw, &member, sizeof raw);
    return (raw - 1) / sizeof(void*);
}

} // namespace

TEST(InterfaceLayout, MethodsSitInTheirWindowsSlots) {
    struct Row {
        const char* method;
        std::size_t slot;
        std::size_t expected;
    };
    const Row rows[] = {
        {"IUnknown::Release", slotOf(&IUnknown::Release), 2},
        {"IClassFactory::LockServer", slotOf(&IClassFactory::LockServer), 4},
        {"IDispatch::GetIDsOfNames", slotOf(&IDispatch::GetIDsOfNames), 5},
        {"IDispatch::Invoke", slotOf(&IDispatch::Invoke), 6},
        {"IEnumVARIANT::Clone", slotOf(&IEnumVARIANT::Clone), 6},
        {"IConnectionPointContainer::FindConnectionPoint",
         slotOf(&IConnectionPointContainer::FindConnectionPoint), 4},
        {"IConnectionPoint::Advise", slotOf(&IConnectionPoint::Advise), 5},
        {"IConnectionPoint::EnumConnections", slotOf(&IConnectionPoint::EnumConnections), 7},
        {"IEnumConnections::Next", slotOf(&IEnumConnections::Next), 3},
        {"IProvideClassInfo2::GetGUID", slotOf(&IProvideClassInfo2::GetGUID), 4},
        {"IOleObject::DoVerb", slotOf(&IOleObject::DoVerb), 11},
        {"IOleObject::GetMiscStatus", slotOf(&IOleObject::GetMiscStatus), 22},
        {"IOleObject::SetColorScheme", slotOf(&IOleObject::SetColorScheme), 23},
        {"IOleClientSite::RequestNewObjectLayout", slotOf(&IOleClientSite::RequestNewObjectLayout),
         8},
        {"IOleInPlaceObject::ReactivateAndUndo", slotOf(&IOleInPlaceObject::ReactivateAndUndo), 8},
        {"IViewObject::Draw", slotOf(&IViewObject::Draw), 3},
        {"IViewObject2::GetExtent", slotOf(&IViewObject2::GetExtent), 9},
        {"IPersistStreamInit::InitNew", slotOf(&IPersistStreamInit::InitNew), 8},
        {"IPersistPropertyBag::Save", slotOf(&IPersistPropertyBag::Save), 6},
        {"IStream::Clone", slotOf(&IStream::Clone), 13},
        {"ISpecifyPropertyPages::GetPages", slotOf(&ISpecifyPropertyPages::GetPages), 3},
        {"IPropertyPage::TranslateAccelerator", slotOf(&IPropertyPage::TranslateAccelerator), 13},
        {"IOleControl::FreezeEvents", slotOf(&IOleControl::FreezeEvents), 6},
        {"IOleControlSite::ShowPropertyFrame", slotOf(&IOleControlSite::ShowPropertyFrame), 9},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.slot, row.expected) << row.method;
    }
}

TEST(InterfaceLayout, StructuresHaveTheWindowsShape) {
    EXPECT_EQ(sizeof(GUID), 16u);
    EXPECT_EQ(sizeof(DISPPARAMS), 2 * sizeof(void*) + 8);
    // As on 64-bit Windows: scode last, at 56 of 64 bytes.
    EXPECT_EQ(offsetof(EXCEPINFO, scode), sizeof(void*) == 8 ? 56u : 32u);
    EXPECT_EQ(offsetof(VARIANT, lVal), 8u);
}
