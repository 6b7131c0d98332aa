// Late-bound calls from a script host that may pass anything: arbitrary
// VARIANT arrays converted with VariantChangeType to every automation type,
// and placed by Invoke (positional and named, by value and by reference) on
// a small interface with a member of each kind. Every call must give an
// HRESULT and leave no string or reference behind.
#include "FuzzBytes.h"
#include "platform/com/DispatchInvoker.h"
#include "platform/com/DispatchThunk.h"
#include "platform/com/Variant.h"
#include "platform/com/interfaces/Dispatch.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using namespace velox::com;

// What a script object does with its arguments: reads the strings, writes
// the out-parameters as an implementation does.
class Target {
public:
    ~Target() { VariantClear(&kept_); }

    BSTR Mix(SHORT a, LONG b, BSTR text, DOUBLE d, VARIANT* any, SHORT flag, DOUBLE date) {
        const auto sum = static_cast<double>(a) + static_cast<double>(b) + d + date + flag;
        static_cast<void>(sum);
        VARIANT copy;
        VariantInit(&copy);
        static_cast<void>(VariantCopy(&copy, any));
        VariantClear(&copy);
        return SysAllocStringLen(text, SysStringLen(text));
    }

    LONG Out(LONG* number, SHORT* small, BSTR* text, VARIANT* any, SHORT* flag, DOUBLE* real) {
        *number += 1;
        *small = static_cast<SHORT>(*small / 2);
        SysFreeString(*text);
        *text = SysAllocString(u"written");
        VariantClear(any);
        any->vt = VT_I4;
        any->lVal = 7;
        *flag = VARIANT_TRUE;
        *real = 0.5;
        return 0;
    }

    VARIANT GetValue() {
        VARIANT copy;
        VariantInit(&copy);
        static_cast<void>(VariantCopy(&copy, &kept_));
        return copy;
    }

    void SetValue(VARIANT* value) {
        VariantClear(&kept_);
        static_cast<void>(VariantCopyInd(&kept_, value));
    }

    void Objects(IDispatch* /*dispatch*/, IUnknown* /*unknown*/) {}

private:
    VARIANT kept_{};
};

constexpr ParamInfo kMix[] = {{"A", VT_I2},     {"B", VT_I4},        {"Text", VT_BSTR},
                              {"D", VT_R8},     {"Any", VT_VARIANT}, {"Flag", VT_BOOL},
                              {"When", VT_DATE}};
constexpr ParamInfo kOut[] = {{"Number", VT_I4 | VT_BYREF}, {"Small", VT_I2 | VT_BYREF},
                              {"Text", VT_BSTR | VT_BYREF}, {"Any", VT_VARIANT | VT_BYREF},
                              {"Flag", VT_BOOL | VT_BYREF}, {"Real", VT_R8 | VT_BYREF}};
constexpr ParamInfo kValue[] = {{"Value", VT_VARIANT}};
constexpr ParamInfo kObjects[] = {{"Dispatch", VT_DISPATCH}, {"Unknown", VT_UNKNOWN}};

constexpr MemberInfo kMembers[] = {
    {1, "Mix", MemberKind::Method, VT_BSTR, kMix, dispatchThunk<&Target::Mix>},
    {2, "Out", MemberKind::Method, VT_I4, kOut, dispatchThunk<&Target::Out>},
    {0, "Value", MemberKind::PropertyGet, VT_VARIANT, {}, dispatchThunk<&Target::GetValue>},
    {0, "Value", MemberKind::PropertyPut, VT_EMPTY, kValue, dispatchThunk<&Target::SetValue>},
    {3, "Objects", MemberKind::Method, VT_EMPTY, kObjects, dispatchThunk<&Target::Objects>},
};
const InterfaceInfo kInterface{GUID_NULL, "Target", kMembers};

constexpr VARTYPE kTypes[] = {VT_EMPTY, VT_NULL,     VT_I2,     VT_I4,    VT_R4,   VT_R8,
                              VT_CY,    VT_DATE,     VT_BSTR,   VT_ERROR, VT_BOOL, VT_I1,
                              VT_UI1,   VT_UI2,      VT_UI4,    VT_I8,    VT_UI8,  VT_INT,
                              VT_UINT,  VT_DISPATCH, VT_UNKNOWN};
constexpr std::size_t kMaxArguments = 9;

// The storage a by-reference argument points into.
struct Slot {
    VARIANT inner{};
    LONGLONG number = 0;
    BSTR text = nullptr;
};

BSTR takeBstr(velox::fuzz::FuzzBytes& in) {
    const std::string bytes = in.takeShortString();
    std::u16string text(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                        static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

// A plain value of one of the types, from the input.
void takeValue(velox::fuzz::FuzzBytes& in, VARTYPE type, VARIANT& v) {
    VariantInit(&v);
    v.vt = type;
    if (type == VT_BSTR) {
        v.bstrVal = takeBstr(in);
    } else if (type == VT_DISPATCH || type == VT_UNKNOWN) {
        v.punkVal = nullptr; // a script passes Nothing; no live object here
    } else {
        v.llVal = in.take<LONGLONG>();
    }
}

void takeArgument(velox::fuzz::FuzzBytes& in, VARIANT& argument, Slot& slot) {
    const auto kind = in.take<std::uint8_t>();
    const VARTYPE type = kTypes[(kind & 0x7f) % std::size(kTypes)];
    if ((kind & 0x80) == 0) {
        takeValue(in, type, argument);
        return;
    }
    // By reference: to a VARIANT of that type, or to storage of that type.
    VariantInit(&argument);
    if ((kind & 0x40) != 0 || type == VT_EMPTY || type == VT_NULL) {
        takeValue(in, type, slot.inner);
        argument.vt = VT_BYREF | VT_VARIANT;
        argument.pvarVal = &slot.inner;
        return;
    }
    argument.vt = static_cast<VARTYPE>(VT_BYREF | type);
    if (type == VT_BSTR) {
        slot.text = takeBstr(in);
        argument.pbstrVal = &slot.text;
    } else if (type == VT_DISPATCH || type == VT_UNKNOWN) {
        slot.number = 0;
        argument.byref = &slot.number;
    } else {
        slot.number = in.take<LONGLONG>();
        argument.byref = &slot.number;
    }
}

void convertEveryWay(const VARIANT& source, WORD flags) {
    for (const VARTYPE type : kTypes) {
        VARIANT converted;
        VariantInit(&converted);
        static_cast<void>(VariantChangeType(&converted, &source, flags, type));
        VariantClear(&converted);
        // In place, as callers converting their own argument do.
        VARIANT own;
        VariantInit(&own);
        if (VariantCopyInd(&own, &source) == S_OK) {
            static_cast<void>(VariantChangeType(&own, &own, flags, type));
        }
        VariantClear(&own);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velox::fuzz::FuzzBytes in(data, size);
    const auto member = in.take<std::uint8_t>();
    const auto callKind = in.take<std::uint8_t>();
    const auto convertFlags = static_cast<WORD>(in.take<std::uint8_t>() & 0x17);
    const std::size_t count = in.take<std::uint8_t>() % (kMaxArguments + 1);
    const std::size_t named = count == 0 ? 0 : in.take<std::uint8_t>() % (count + 1);
    std::array<DISPID, kMaxArguments> namedIds{};
    for (std::size_t i = 0; i < named; ++i) {
        namedIds[i] = static_cast<DISPID>(in.take<std::int8_t>() % 10);
    }
    std::array<VARIANT, kMaxArguments> arguments{};
    std::array<Slot, kMaxArguments> storage{};
    for (std::size_t i = 0; i < count; ++i) {
        takeArgument(in, arguments[i], storage[i]);
        convertEveryWay(arguments[i], convertFlags);
    }

    Target target;
    const DISPID id = member < 4 ? static_cast<DISPID>(member) : static_cast<DISPID>(member) - 128;
    DISPPARAMS params{arguments.data(), namedIds.data(), static_cast<UINT>(count),
                      static_cast<UINT>(named)};
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO exception{};
    UINT argumentError = 0;
    static_cast<void>(dispatchInvoke(kInterface, &target, id, static_cast<WORD>(callKind & 0x0f),
                                     &params, (callKind & 0x10) != 0 ? nullptr : &result,
                                     &exception, &argumentError));
    VariantClear(&result);
    clearExcepInfo(&exception);

    for (std::size_t i = 0; i < count; ++i) {
        VariantClear(&arguments[i]); // frees nothing of a by-reference argument
        VariantClear(&storage[i].inner);
        SysFreeString(storage[i].text);
    }
    return 0;
}
