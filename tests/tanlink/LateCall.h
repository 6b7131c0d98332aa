#pragma once

// Late-bound calls for the link controls' tests, as a form-based host makes
// them: the member by name through GetIDsOfNames, then Invoke with the
// arguments in reverse order.

#include "platform/com/interfaces/Dispatch.h"

#include <QString>
#include <initializer_list>
#include <vector>

namespace velox::test {

// One argument; texts are owned by the Arg and freed with it.
class Arg {
public:
    static Arg i2(com::SHORT value);
    static Arg i4(com::LONG value);
    static Arg boolean(bool value);
    static Arg text(const QString& value);
    static Arg i2Ref(com::SHORT* target);
    static Arg i4Ref(com::LONG* target);
    static Arg boolRef(com::VARIANT_BOOL* target);

    Arg(const Arg& other);
    Arg& operator=(const Arg&) = delete;
    ~Arg();
    [[nodiscard]] const com::VARIANT& variant() const { return v_; }

private:
    Arg() { com::VariantInit(&v_); }
    com::VARIANT v_;
};

struct CallResult {
    com::HRESULT hr = com::S_OK;
    com::VARIANT value{};
    CallResult();
    CallResult(const CallResult&) = delete;
    CallResult& operator=(const CallResult&) = delete;
    CallResult(CallResult&& other) noexcept;
    ~CallResult();

    [[nodiscard]] com::LONG asLong() const { return value.lVal; }
    [[nodiscard]] QString asText() const;
    // The returned object, borrowed: the result releases its reference.
    [[nodiscard]] com::IDispatch* asObject() const { return value.pdispVal; }
};

// Calls `name` with `args` (in declared order). The DISPID comes from
// GetIDsOfNames; an unknown name gives its HRESULT.
CallResult call(com::IDispatch* object, const QString& name, const std::vector<Arg>& args);
CallResult call(com::IDispatch* object, const QString& name, std::initializer_list<Arg> args = {});

// The DISPID of a name, or DISPID_UNKNOWN.
com::DISPID dispidOf(com::IDispatch* object, const QString& name);

} // namespace velox::test
