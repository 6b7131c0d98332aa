#pragma once

// Registering and unregistering the control module: its type library, its
// three classes and the apartment threading model of the asynchronous
// control. DllRegisterServer and DllUnregisterServer are these two calls.

#include "platform/com/ClassRegistration.h"
#include "platform/com/Types.h"

#include <QString>
#include <span>

namespace velox::tanlink {

// The three classes as they are registered: TandemEng, TandemEngS and the
// property page.
std::span<const com::ClassRegistration> tanlinkClasses();

// The miscellaneous status of both controls: set client site first,
// invisible at run time, activate when visible, inside-out, can't link
// inside, recompose on resize.
inline constexpr com::DWORD kControlMiscStatus = 0x20591;

// S_OK; SELFREG_E_TYPELIB or SELFREG_E_CLASS when that step fails. The
// threading-model values never fail the registration.
com::HRESULT registerTanlink(const QString& modulePath);
com::HRESULT unregisterTanlink();

} // namespace velox::tanlink
