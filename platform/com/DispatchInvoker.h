#pragma once

// GetIDsOfNames and Invoke over a static member table.
//
// Invoke finds the member by DISPID and call kind (DISPATCH_PROPERTYPUT
// finds the property's put entry; METHOD and PROPERTYGET find a method or a
// get entry), places the arguments (reverse order, named arguments by
// parameter DISPID, DISPID_PROPERTYPUT for a put's value), coerces each by
// value as VariantChangeType does, passes by-reference out-parameters through
// (a by-reference VARIANT gets the converted value written back), calls the
// thunk and stores the result. A thrown AutomationException becomes
// DISP_E_EXCEPTION with the EXCEPINFO filled; a thrown ComError its HRESULT.

#include "platform/com/DispatchTable.h"

namespace velox::com {

HRESULT dispatchGetIDsOfNames(const InterfaceInfo& info, LPOLESTR* names, UINT count,
                              DISPID* dispids);

HRESULT dispatchInvoke(const InterfaceInfo& info, void* object, DISPID id, WORD flags,
                       DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                       UINT* argumentError);

// Names compare without regard to case.
bool namesEqual(LPCOLESTR name, const char* tableName);

} // namespace velox::com
