#pragma once

// The automation VARIANT with its Windows layout, and the calls that
// initialise, clear, copy and convert it.

#include "platform/com/Bstr.h"
#include "platform/com/Date.h"
#include "platform/com/interfaces/Unknown.h"

namespace velox::com {

struct IDispatch;

enum VARENUM : VARTYPE {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_DECIMAL = 14,
    VT_I1 = 16,
    VT_UI1 = 17,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_I8 = 20,
    VT_UI8 = 21,
    VT_INT = 22,
    VT_UINT = 23,
    VT_VOID = 24,
    VT_HRESULT = 25,
    VT_PTR = 26,
    VT_LPSTR = 30,
    VT_LPWSTR = 31,
    VT_USERDEFINED = 29,
    VT_ARRAY = 0x2000,
    VT_BYREF = 0x4000,
    VT_TYPEMASK = 0x0FFF,
};

// VariantChangeType flags.
inline constexpr WORD VARIANT_NOVALUEPROP = 0x01;
inline constexpr WORD VARIANT_ALPHABOOL = 0x02;
inline constexpr WORD VARIANT_NOUSEROVERRIDE = 0x04;
inline constexpr WORD VARIANT_LOCALBOOL = 0x10;

struct VARIANT {
    VARTYPE vt;
    WORD wReserved1;
    WORD wReserved2;
    WORD wReserved3;
    union {
        LONGLONG llVal;
        LONG lVal;
        BYTE bVal;
        SHORT iVal;
        FLOAT fltVal;
        DOUBLE dblVal;
        VARIANT_BOOL boolVal;
        SCODE scode;
        DATE date;
        BSTR bstrVal;
        IUnknown* punkVal;
        IDispatch* pdispVal;
        BYTE* pbVal;
        SHORT* piVal;
        LONG* plVal;
        LONGLONG* pllVal;
        FLOAT* pfltVal;
        DOUBLE* pdblVal;
        VARIANT_BOOL* pboolVal;
        SCODE* pscode;
        DATE* pdate;
        BSTR* pbstrVal;
        IUnknown** ppunkVal;
        IDispatch** ppdispVal;
        VARIANT* pvarVal;
        void* byref;
        CHAR cVal;
        USHORT uiVal;
        ULONG ulVal;
        ULONGLONG ullVal;
        INT intVal;
        UINT uintVal;
        struct {
            void* pvRecord;
            void* pRecInfo;
        } brecVal;
    };
};

using VARIANTARG = VARIANT;

void VariantInit(VARIANT* variant);
// Frees what the variant owns (a BSTR, an interface reference) and makes it
// empty. By-reference variants own nothing.
HRESULT VariantClear(VARIANT* variant);
// Clears `destination`, then copies: BSTRs are duplicated, interfaces gain a
// reference, by-reference variants copy the pointer.
HRESULT VariantCopy(VARIANT* destination, const VARIANT* source);
// As VariantCopy, but a by-reference source is copied as the value it
// points to.
HRESULT VariantCopyInd(VARIANT* destination, const VARIANT* source);
// Converts `source` (by value or by reference) to `type` into `destination`
// (which may be the source itself). Supported: EMPTY, NULL, I2, I4, R4, R8,
// UI1, BOOL, BSTR, DATE, ERROR, DISPATCH, UNKNOWN. Returns
// DISP_E_TYPEMISMATCH for text that is no value of the type,
// DISP_E_OVERFLOW for a value out of range, DISP_E_BADVARTYPE for types it
// does not know; `destination` is left untouched on failure.
HRESULT VariantChangeType(VARIANT* destination, const VARIANT* source, WORD flags, VARTYPE type);
HRESULT VariantChangeTypeEx(VARIANT* destination, const VARIANT* source, LCID lcid, WORD flags,
                            VARTYPE type);

} // namespace velox::com
