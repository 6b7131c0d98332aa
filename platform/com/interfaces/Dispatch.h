#pragma once

// Late binding: IDispatch with its argument block and exception record.

#include "platform/com/Variant.h"

namespace velox::com {

inline constexpr IID IID_IDispatch = oleGuid(0x00020400);
inline constexpr IID IID_ITypeInfo = oleGuid(0x00020401);

inline constexpr DISPID DISPID_UNKNOWN = -1;
inline constexpr DISPID DISPID_VALUE = 0;
inline constexpr DISPID DISPID_PROPERTYPUT = -3;
inline constexpr DISPID DISPID_NEWENUM = -4;
inline constexpr DISPID DISPID_EVALUATE = -5;
inline constexpr DISPID DISPID_CONSTRUCTOR = -6;
inline constexpr DISPID DISPID_DESTRUCTOR = -7;
inline constexpr DISPID DISPID_COLLECT = -8;
inline constexpr DISPID DISPID_ABOUTBOX = -552;

inline constexpr WORD DISPATCH_METHOD = 0x1;
inline constexpr WORD DISPATCH_PROPERTYGET = 0x2;
inline constexpr WORD DISPATCH_PROPERTYPUT = 0x4;
inline constexpr WORD DISPATCH_PROPERTYPUTREF = 0x8;

inline constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
inline constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;

// Arguments travel in reverse order: rgvarg[0] is the last argument. Named
// arguments come first in rgvarg, matched by rgdispidNamedArgs.
struct DISPPARAMS {
    VARIANTARG* rgvarg;
    DISPID* rgdispidNamedArgs;
    UINT cArgs;
    UINT cNamedArgs;
};

struct EXCEPINFO {
    WORD wCode;
    WORD wReserved;
    BSTR bstrSource;
    BSTR bstrDescription;
    BSTR bstrHelpFile;
    DWORD dwHelpContext;
    void* pvReserved;
    HRESULT (*pfnDeferredFillIn)(EXCEPINFO*);
    SCODE scode;
};

// Frees the strings of an exception record and zeroes it.
void clearExcepInfo(EXCEPINFO* info);

// Type information objects are not provided by this runtime; the interface
// exists so that signatures keep their Windows shape.
struct ITypeInfo : IUnknown {
    static constexpr const IID& iid = IID_ITypeInfo;

protected:
    ~ITypeInfo() = default;
};

struct IDispatch : IUnknown {
    static constexpr const IID& iid = IID_IDispatch;
    virtual HRESULT GetTypeInfoCount(UINT* count) = 0;
    virtual HRESULT GetTypeInfo(UINT index, LCID lcid, ITypeInfo** typeInfo) = 0;
    virtual HRESULT GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                  DISPID* dispids) = 0;
    virtual HRESULT Invoke(DISPID member, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                           VARIANT* result, EXCEPINFO* exception, UINT* argumentError) = 0;

protected:
    ~IDispatch() = default;
};

} // namespace velox::com
