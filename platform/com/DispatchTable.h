#pragma once

// The static description of a dispatch interface: its members by DISPID with
// names, kinds, parameter names and types and return type, and per member
// the thunk that calls the implementation. The same description drives
// GetIDsOfNames and Invoke (DispatchInvoker.h) and what the type-library
// registration writes (TypeLibRegistration.h).

#include "platform/com/interfaces/Dispatch.h"

#include <span>

namespace velox::com {

class DispatchCall;

enum class MemberKind { Method, PropertyGet, PropertyPut };

// Function flags of the type library (FUNCFLAGS).
inline constexpr WORD FUNCFLAG_FRESTRICTED = 0x1;
inline constexpr WORD FUNCFLAG_FHIDDEN = 0x40;
// Type flags of the type library (TYPEFLAGS).
inline constexpr WORD TYPEFLAG_FAPPOBJECT = 0x1;
inline constexpr WORD TYPEFLAG_FCANCREATE = 0x2;
inline constexpr WORD TYPEFLAG_FLICENSED = 0x4;
inline constexpr WORD TYPEFLAG_FHIDDEN = 0x10;
inline constexpr WORD TYPEFLAG_FCONTROL = 0x20;
inline constexpr WORD TYPEFLAG_FDUAL = 0x40;
inline constexpr WORD TYPEFLAG_FDISPATCHABLE = 0x1000;

struct ParamInfo {
    const char* name;
    // VT_I2, VT_I4, VT_BOOL, VT_BSTR, VT_DATE, VT_DISPATCH, VT_UNKNOWN,
    // VT_VARIANT, ... or one of them | VT_BYREF for an out-parameter.
    VARTYPE type;
};

// Calls the implementation with the coerced arguments of `call`; may throw
// AutomationException or ComError.
using DispatchThunk = void (*)(void* object, DispatchCall& call);

// Tables of these are written in field order; their padding does not matter.
struct MemberInfo { // NOLINT(clang-analyzer-optin.performance.Padding)
    DISPID id;
    const char* name;
    MemberKind kind;
    VARTYPE returnType; // VT_EMPTY for none (void)
    std::span<const ParamInfo> params;
    DispatchThunk thunk;
    const char* helpString = nullptr;
    WORD funcFlags = 0;
};

struct InterfaceInfo {
    IID iid;
    const char* name;
    std::span<const MemberInfo> members;
    const char* helpString = nullptr;
    WORD typeFlags = TYPEFLAG_FDISPATCHABLE;
};

// The member with this DISPID and kind, or null.
const MemberInfo* findMember(const InterfaceInfo& info, DISPID id, MemberKind kind);

} // namespace velox::com
