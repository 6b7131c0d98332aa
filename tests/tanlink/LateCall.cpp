#include "LateCall.h"

#include <utility>

namespace velox::test {

using namespace com;

Arg Arg::i2(SHORT value) {
    Arg a;
    a.v_.vt = VT_I2;
    a.v_.iVal = value;
    return a;
}

Arg Arg::i4(LONG value) {
    Arg a;
    a.v_.vt = VT_I4;
    a.v_.lVal = value;
    return a;
}

Arg Arg::boolean(bool value) {
    Arg a;
    a.v_.vt = VT_BOOL;
    a.v_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return a;
}

Arg Arg::text(const QString& value) {
    Arg a;
    a.v_.vt = VT_BSTR;
    a.v_.bstrVal = bstrFromQString(value);
    return a;
}

Arg Arg::i2Ref(SHORT* target) {
    Arg a;
    a.v_.vt = VT_I2 | VT_BYREF;
    a.v_.piVal = target;
    return a;
}

Arg Arg::i4Ref(LONG* target) {
    Arg a;
    a.v_.vt = VT_I4 | VT_BYREF;
    a.v_.plVal = target;
    return a;
}

Arg Arg::boolRef(VARIANT_BOOL* target) {
    Arg a;
    a.v_.vt = VT_BOOL | VT_BYREF;
    a.v_.pboolVal = target;
    return a;
}

Arg::Arg(const Arg& other) {
    VariantInit(&v_);
    VariantCopy(&v_, &other.v_);
}

Arg::~Arg() {
    VariantClear(&v_);
}

CallResult::CallResult() {
    VariantInit(&value);
}

CallResult::CallResult(CallResult&& other) noexcept : hr(other.hr), value(other.value) {
    VariantInit(&other.value);
}

CallResult::~CallResult() {
    VariantClear(&value);
}

QString CallResult::asText() const {
    return value.vt == VT_BSTR ? qStringFromBstr(value.bstrVal) : QString();
}

DISPID dispidOf(IDispatch* object, const QString& name) {
    std::u16string text = name.toStdU16String();
    LPOLESTR names[] = {text.data()};
    DISPID id = DISPID_UNKNOWN;
    object->GetIDsOfNames(GUID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return id;
}

CallResult call(IDispatch* object, const QString& name, std::initializer_list<Arg> args) {
    return call(object, name, std::vector<Arg>(args));
}

CallResult call(IDispatch* object, const QString& name, const std::vector<Arg>& args) {
    CallResult result;
    std::u16string text = name.toStdU16String();
    LPOLESTR names[] = {text.data()};
    DISPID id = DISPID_UNKNOWN;
    result.hr = object->GetIDsOfNames(GUID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(result.hr)) {
        return result;
    }
    std::vector<VARIANT> reversed;
    for (auto it = std::rbegin(args); it != std::rend(args); ++it) {
        reversed.push_back(it->variant());
    }
    DISPPARAMS params{reversed.empty() ? nullptr : reversed.data(), nullptr,
                      static_cast<UINT>(reversed.size()), 0};
    EXCEPINFO exception{};
    result.hr = object->Invoke(id, GUID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                               &result.value, &exception, nullptr);
    clearExcepInfo(&exception);
    return result;
}

} // namespace velox::test
