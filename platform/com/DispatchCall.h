#pragma once

// One late-bound call as a member thunk sees it: the arguments already
// coerced to the declared types, in declared order (not the reversed order
// of DISPPARAMS), and the place for the return value.

#include "platform/com/DispatchTable.h"

#include <cstddef>
#include <type_traits>

namespace velox::com {

class DispatchCall {
public:
    DispatchCall(const MemberInfo& member, VARIANT* args, VARIANT* result)
        : member_(member), args_(args), result_(result) {}

    [[nodiscard]] const MemberInfo& member() const { return member_; }
    [[nodiscard]] std::size_t argumentCount() const { return member_.params.size(); }

    // The argument at `index` as the C++ type of its declared VARTYPE:
    // SHORT (I2, BOOL), LONG (I4, ERROR), BYTE (UI1), FLOAT (R4), DOUBLE (R8,
    // DATE), BSTR (borrowed: copy what you keep), IDispatch* / IUnknown*
    // (borrowed: AddRef what you keep), VARIANT* (a VARIANT parameter), or
    // for a by-reference parameter a pointer to the caller's storage
    // (SHORT*, LONG*, DOUBLE*, BSTR*, IDispatch**, VARIANT*, ...).
    template <typename T> T arg(std::size_t index) const {
        VARIANT& v = args_[index];
        if constexpr (std::is_pointer_v<T> && !std::is_same_v<T, BSTR> &&
                      !std::is_same_v<T, IDispatch*> && !std::is_same_v<T, IUnknown*>) {
            if constexpr (std::is_same_v<T, VARIANT*>) {
                if ((v.vt & VT_BYREF) == 0) {
                    return &v;
                }
            }
            return static_cast<T>(v.byref);
        } else if constexpr (std::is_same_v<T, SHORT>) {
            return v.iVal;
        } else if constexpr (std::is_same_v<T, LONG>) {
            return v.lVal;
        } else if constexpr (std::is_same_v<T, BYTE>) {
            return v.bVal;
        } else if constexpr (std::is_same_v<T, FLOAT>) {
            return v.fltVal;
        } else if constexpr (std::is_same_v<T, DOUBLE>) {
            return v.dblVal;
        } else if constexpr (std::is_same_v<T, BSTR>) {
            return v.bstrVal;
        } else if constexpr (std::is_same_v<T, IDispatch*>) {
            return v.pdispVal;
        } else if constexpr (std::is_same_v<T, IUnknown*>) {
            return v.punkVal;
        } else {
            static_assert(sizeof(T) == 0, "no automation type for this argument");
        }
    }

    // Sets the return value with the member's declared return type. A BSTR
    // and an interface reference pass to the caller.
    template <typename T> void setResult(T value) {
        VARIANT& r = *result_;
        if constexpr (std::is_same_v<T, VARIANT>) {
            r = value;
            return;
        } else {
            r.vt = member_.returnType;
            if constexpr (std::is_same_v<T, SHORT>) {
                r.iVal = value;
            } else if constexpr (std::is_same_v<T, LONG>) {
                r.lVal = value;
            } else if constexpr (std::is_same_v<T, BYTE>) {
                r.bVal = value;
            } else if constexpr (std::is_same_v<T, FLOAT>) {
                r.fltVal = value;
            } else if constexpr (std::is_same_v<T, DOUBLE>) {
                r.dblVal = value;
            } else if constexpr (std::is_same_v<T, BSTR>) {
                r.bstrVal = value;
            } else if constexpr (std::is_same_v<T, IDispatch*>) {
                r.pdispVal = value;
            } else if constexpr (std::is_same_v<T, IUnknown*>) {
                r.punkVal = value;
            } else {
                static_assert(sizeof(T) == 0, "no automation type for this result");
            }
        }
    }

private:
    const MemberInfo& member_;
    VARIANT* args_;
    VARIANT* result_;
};

} // namespace velox::com
