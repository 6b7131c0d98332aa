#pragma once

// Automation strings: UTF-16 text preceded by its length in bytes (32 bits)
// and followed by a NUL. A null BSTR is the empty string. The receiver of a
// returned BSTR frees it; a callee copies a BSTR argument it wants to keep.

#include "platform/com/Types.h"

#include <QString>
#include <QStringView>

namespace velox::com {

using BSTR = OLECHAR*;

BSTR SysAllocString(LPCOLESTR text);
// `length` characters from `text`, or zeroed characters when `text` is null.
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
// `bytes` bytes from `data` (the string then holds bytes / 2 characters).
BSTR SysAllocStringByteLen(const char* data, UINT bytes);
// Replaces *bstr by a copy of `text`; FALSE when out of memory.
INT SysReAllocString(BSTR* bstr, LPCOLESTR text);
void SysFreeString(BSTR bstr);
UINT SysStringLen(BSTR bstr);
UINT SysStringByteLen(BSTR bstr);

// Conversions between Qt text and automation strings.
BSTR bstrFromQString(QStringView text);
QString qStringFromBstr(BSTR bstr);

} // namespace velox::com
