#include "platform/com/Variant.h"

#include "platform/com/interfaces/Dispatch.h"

namespace velox::com {

void VariantInit(VARIANT* variant) {
    if (variant != nullptr) {
        variant->vt = VT_EMPTY;
        variant->wReserved1 = 0;
        variant->wReserved2 = 0;
        variant->wReserved3 = 0;
        variant->llVal = 0;
        variant->brecVal.pRecInfo = nullptr;
    }
}

namespace {

bool isKnownType(VARTYPE vt) {
    switch (vt & VT_TYPEMASK) {
    case VT_EMPTY:
    case VT_NULL:
    case VT_I2:
    case VT_I4:
    case VT_R4:
    case VT_R8:
    case VT_CY:
    case VT_DATE:
    case VT_BSTR:
    case VT_DISPATCH:
    case VT_ERROR:
    case VT_BOOL:
    case VT_VARIANT:
    case VT_UNKNOWN:
    case VT_I1:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_I8:
    case VT_UI8:
    case VT_INT:
    case VT_UINT:
        break;
    default:
        return false;
    }
    if ((vt & VT_ARRAY) != 0) {
        return false;
    }
    // A variant held by value cannot be of type VARIANT; EMPTY and NULL have
    // no by-reference form.
    if ((vt & VT_BYREF) == 0) {
        return (vt & VT_TYPEMASK) != VT_VARIANT;
    }
    return (vt & VT_TYPEMASK) != VT_EMPTY && (vt & VT_TYPEMASK) != VT_NULL;
}

} // namespace

HRESULT VariantClear(VARIANT* variant) {
    if (variant == nullptr) {
        return E_INVALIDARG;
    }
    if (!isKnownType(variant->vt)) {
        return DISP_E_BADVARTYPE;
    }
    switch (variant->vt) {
    case VT_BSTR:
        SysFreeString(variant->bstrVal);
        break;
    case VT_UNKNOWN:
    case VT_DISPATCH:
        if (variant->punkVal != nullptr) {
            variant->punkVal->Release();
        }
        break;
    default:
        break;
    }
    VariantInit(variant);
    return S_OK;
}

HRESULT VariantCopy(VARIANT* destination, const VARIANT* source) {
    if (destination == nullptr || source == nullptr) {
        return E_INVALIDARG;
    }
    if (!isKnownType(source->vt)) {
        return DISP_E_BADVARTYPE;
    }
    if (destination == source) {
        return S_OK;
    }
    VARIANT copy = *source;
    if (source->vt == VT_BSTR && source->bstrVal != nullptr) {
        copy.bstrVal = SysAllocStringLen(source->bstrVal, SysStringLen(source->bstrVal));
        if (copy.bstrVal == nullptr) {
            return E_OUTOFMEMORY;
        }
    } else if ((source->vt == VT_UNKNOWN || source->vt == VT_DISPATCH) &&
               source->punkVal != nullptr) {
        source->punkVal->AddRef();
    }
    const HRESULT cleared = VariantClear(destination);
    if (FAILED(cleared)) {
        VariantClear(&copy);
        return cleared;
    }
    *destination = copy;
    return S_OK;
}

HRESULT VariantCopyInd(VARIANT* destination, const VARIANT* source) {
    if (destination == nullptr || source == nullptr) {
        return E_INVALIDARG;
    }
    if (!isKnownType(source->vt)) {
        return DISP_E_BADVARTYPE;
    }
    if ((source->vt & VT_BYREF) == 0) {
        return VariantCopy(destination, source);
    }
    if (source->byref == nullptr) {
        return E_INVALIDARG;
    }
    const auto type = static_cast<VARTYPE>(source->vt & ~VT_BYREF);
    VARIANT value;
    VariantInit(&value);
    switch (type) {
    case VT_VARIANT:
        return VariantCopyInd(destination,
                              source->pvarVal == destination ? destination : source->pvarVal);
    case VT_I2:
    case VT_BOOL:
    case VT_UI2:
        value.iVal = *source->piVal;
        break;
    case VT_I4:
    case VT_ERROR:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
        value.lVal = *source->plVal;
        break;
    case VT_R4:
        value.fltVal = *source->pfltVal;
        break;
    case VT_R8:
    case VT_DATE:
        value.dblVal = *source->pdblVal;
        break;
    case VT_CY:
    case VT_I8:
    case VT_UI8:
        value.llVal = *source->pllVal;
        break;
    case VT_I1:
    case VT_UI1:
        value.bVal = *source->pbVal;
        break;
    case VT_BSTR:
        value.bstrVal = *source->pbstrVal;
        break;
    case VT_UNKNOWN:
    case VT_DISPATCH:
        value.punkVal = *source->ppunkVal;
        break;
    default:
        return DISP_E_BADVARTYPE;
    }
    value.vt = type;
    // `value` borrows; VariantCopy takes the copies it needs.
    return VariantCopy(destination, &value);
}

void clearExcepInfo(EXCEPINFO* info) {
    if (info == nullptr) {
        return;
    }
    SysFreeString(info->bstrSource);
    SysFreeString(info->bstrDescription);
    SysFreeString(info->bstrHelpFile);
    *info = EXCEPINFO{};
}

} // namespace velox::com
