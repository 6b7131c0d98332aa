#pragma once

// The IDispatch methods of a class described by a member table. The class
// derives from DispatchImpl<Class> (or DispatchImpl<Class, ISomeDispatch>
// for an interface that derives from IDispatch), implements IUnknown itself
// and provides
//
//   static const InterfaceInfo& dispatchInterface();
//
// whose thunks receive the object as a Class*.

#include "platform/com/DispatchInvoker.h"

namespace velox::com {

template <typename Derived, typename Interface = IDispatch> class DispatchImpl : public Interface {
public:
    HRESULT GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = 0;
        return S_OK;
    }
    HRESULT GetTypeInfo(UINT /*index*/, LCID /*lcid*/, ITypeInfo** typeInfo) override {
        if (typeInfo != nullptr) {
            *typeInfo = nullptr;
        }
        return DISP_E_BADINDEX;
    }
    HRESULT GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID /*lcid*/,
                          DISPID* dispids) override {
        if (!(riid == GUID_NULL)) {
            return DISP_E_UNKNOWNINTERFACE;
        }
        return dispatchGetIDsOfNames(Derived::dispatchInterface(), names, count, dispids);
    }
    HRESULT Invoke(DISPID member, REFIID riid, LCID /*lcid*/, WORD flags, DISPPARAMS* params,
                   VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override {
        if (!(riid == GUID_NULL)) {
            return DISP_E_UNKNOWNINTERFACE;
        }
        return dispatchInvoke(Derived::dispatchInterface(), static_cast<Derived*>(this), member,
                              flags, params, result, exception, argumentError);
    }

protected:
    DispatchImpl() = default;
    ~DispatchImpl() = default;
};

} // namespace velox::com
