#include "platform/com/AutomationException.h"
#include "platform/com/ComBstr.h"
#include "platform/com/ComError.h"
#include "platform/com/DispatchImpl.h"
#include "platform/com/DispatchThunk.h"

#include <gtest/gtest.h>
#include <vector>

using namespace velox::com;

namespace {

constexpr IID IID_ISample = {0x5A3E0001, 0x1111, 0x2222, {1, 2, 3, 4, 5, 6, 7, 8}};

class Sample final : public DispatchImpl<Sample> {
public:
    ULONG refs = 1;
    LONG value = 0;
    QString lastText;

    HRESULT QueryInterface(REFIID riid, void** object) override {
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_ISample) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }

    LONG Add(SHORT a, LONG b) { return a + b; }
    BSTR Describe(BSTR name, SHORT flag, DOUBLE when) {
        lastText = qStringFromBstr(name);
        return bstrFromQString(QString("%1|%2|%3").arg(lastText).arg(flag).arg(when));
    }
    void Fill(SHORT* s, LONG* l, BSTR* text, SHORT* flag, DOUBLE* when) {
        *s = -7;
        *l = 70000;
        SysFreeString(*text);
        *text = SysAllocString(u"filled");
        *flag = VARIANT_TRUE;
        *when = 2.5;
    }
    LONG GetValue() { return value; }
    void SetValue(LONG v) { value = v; }
    LONG Fail() { throw AutomationException::withCode(0xFFFF, "Object not ready"); }
    LONG NotImplemented() { throw ComError(E_NOTIMPL); }
    IDispatch* Self() {
        AddRef();
        return this;
    }
    LONG Take(IDispatch* object) { return object != nullptr ? 1 : 0; }

    static const InterfaceInfo& dispatchInterface();
};

constexpr ParamInfo kAdd[] = {{"First", VT_I2}, {"Second", VT_I4}};
constexpr ParamInfo kDescribe[] = {{"Name", VT_BSTR}, {"Flag", VT_BOOL}, {"When", VT_DATE}};
constexpr ParamInfo kFill[] = {{"S", VT_I2 | VT_BYREF},
                               {"L", VT_I4 | VT_BYREF},
                               {"Text", VT_BSTR | VT_BYREF},
                               {"Flag", VT_BOOL | VT_BYREF},
                               {"When", VT_DATE | VT_BYREF}};
constexpr ParamInfo kValue[] = {{"Value", VT_I4}};
constexpr ParamInfo kTake[] = {{"Object", VT_DISPATCH}};

constexpr MemberInfo kMembers[] = {
    {1, "Add", MemberKind::Method, VT_I4, kAdd, dispatchThunk<&Sample::Add>},
    {2, "Describe", MemberKind::Method, VT_BSTR, kDescribe, dispatchThunk<&Sample::Describe>},
    {3, "Fill", MemberKind::Method, VT_EMPTY, kFill, dispatchThunk<&Sample::Fill>},
    {4, "Value", MemberKind::PropertyGet, VT_I4, {}, dispatchThunk<&Sample::GetValue>},
    {4, "Value", MemberKind::PropertyPut, VT_EMPTY, kValue, dispatchThunk<&Sample::SetValue>},
    {5, "Fail", MemberKind::Method, VT_I4, {}, dispatchThunk<&Sample::Fail>},
    {6, "NotImplemented", MemberKind::Method, VT_I4, {}, dispatchThunk<&Sample::NotImplemented>},
    {7, "Self", MemberKind::Method, VT_DISPATCH, {}, dispatchThunk<&Sample::Self>},
    {8, "Take", MemberKind::Method, VT_I4, kTake, dispatchThunk<&Sample::Take>},
};

const InterfaceInfo kSample{IID_ISample, "ISample", kMembers};

const InterfaceInfo& Sample::dispatchInterface() {
    return kSample;
}

// Arguments as a caller writes them, in declared order; reversed on call.
class Call {
public:
    explicit Call(std::vector<VARIANT> args) : args_(std::move(args)) {
        reversed_.assign(args_.rbegin(), args_.rend());
    }
    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;
    ~Call() {
        for (VARIANT& v : args_) {
            VariantClear(&v);
        }
        VariantClear(&result);
        clearExcepInfo(&exception);
    }
    HRESULT invoke(IDispatch& object, DISPID id, WORD flags = DISPATCH_METHOD,
                   std::vector<DISPID> named = {}) {
        named_ = std::move(named);
        if (!named_.empty()) {
            // Named arguments come first in rgvarg, in the order of the ids.
            reversed_.assign(args_.begin(), args_.end());
        }
        DISPPARAMS params{reversed_.empty() ? nullptr : reversed_.data(),
                          named_.empty() ? nullptr : named_.data(),
                          static_cast<UINT>(reversed_.size()), static_cast<UINT>(named_.size())};
        return object.Invoke(id, GUID_NULL, 0, flags, &params, &result, &exception, &argumentError);
    }
    VARIANT result{};
    EXCEPINFO exception{};
    UINT argumentError = 999;

private:
    std::vector<VARIANT> args_;
    std::vector<VARIANT> reversed_;
    std::vector<DISPID> named_;
};

VARIANT v(VARTYPE vt) {
    VARIANT x;
    VariantInit(&x);
    x.vt = vt;
    return x;
}
VARIANT vI2(SHORT i) {
    VARIANT x = v(VT_I2);
    x.iVal = i;
    return x;
}
VARIANT vI4(LONG i) {
    VARIANT x = v(VT_I4);
    x.lVal = i;
    return x;
}
VARIANT vStr(const char16_t* s) {
    VARIANT x = v(VT_BSTR);
    x.bstrVal = SysAllocString(s);
    return x;
}
VARIANT vRef(VARTYPE vt, void* p) {
    VARIANT x = v(static_cast<VARTYPE>(vt | VT_BYREF));
    x.byref = p;
    return x;
}

} // namespace

TEST(DispatchNames, FindsMembersAndParametersWithoutRegardToCase) {
    Sample s;
    struct Row {
        std::vector<const char16_t*> names;
        HRESULT hr;
        std::vector<DISPID> ids;
    };
    const Row rows[] = {
        {{u"add"}, S_OK, {1}},
        {{u"DESCRIBE", u"when", u"name"}, S_OK, {2, 2, 0}},
        {{u"Value", u"value"}, S_OK, {4, 0}},
        {{u"Nope"}, DISP_E_UNKNOWNNAME, {DISPID_UNKNOWN}},
        {{u"Add", u"Third", u"second"}, DISP_E_UNKNOWNNAME, {1, DISPID_UNKNOWN, 1}},
    };
    for (const Row& row : rows) {
        std::vector<LPOLESTR> names;
        for (const char16_t* n : row.names) {
            names.push_back(const_cast<LPOLESTR>(n));
        }
        std::vector<DISPID> ids(names.size(), 12345);
        EXPECT_EQ(s.GetIDsOfNames(GUID_NULL, names.data(), static_cast<UINT>(names.size()), 0,
                                  ids.data()),
                  row.hr);
        EXPECT_EQ(ids, row.ids);
    }
    LPOLESTR name = const_cast<LPOLESTR>(u"Add");
    DISPID id = 0;
    EXPECT_EQ(s.GetIDsOfNames(IID_ISample, &name, 1, 0, &id), DISP_E_UNKNOWNINTERFACE);
}

TEST(DispatchInvoke, PassesArgumentsInReverseOrderAndCoerces) {
    Sample s;
    Call call({vStr(u"40"), vI4(2)}); // "40" coerces to I2
    ASSERT_EQ(call.invoke(s, 1), S_OK);
    EXPECT_EQ(call.result.vt, VT_I4);
    EXPECT_EQ(call.result.lVal, 42);

    VARIANT when = v(VT_BSTR);
    when.bstrVal = SysAllocString(u"1900-01-01");
    Call describe({vStr(u"Wren"), vI4(3), when});
    ASSERT_EQ(describe.invoke(s, 2), S_OK);
    EXPECT_EQ(qStringFromBstr(describe.result.bstrVal), "Wren|-1|2");
}

TEST(DispatchInvoke, ReportsTheStandardErrors) {
    Sample s;
    struct Row {
        const char* what;
        std::vector<VARIANT> args;
        DISPID id;
        WORD flags;
        HRESULT hr;
        UINT argumentError;
    };
    std::vector<Row> rows;
    rows.push_back({"unknown id", {}, 99, DISPATCH_METHOD, DISP_E_MEMBERNOTFOUND, 999});
    rows.push_back({"too few", {vI2(1)}, 1, DISPATCH_METHOD, DISP_E_BADPARAMCOUNT, 999});
    rows.push_back(
        {"too many", {vI2(1), vI2(2), vI2(3)}, 1, DISPATCH_METHOD, DISP_E_BADPARAMCOUNT, 999});
    // The first declared argument is the last in rgvarg: index 1.
    rows.push_back({"text for a number",
                    {vStr(u"forty"), vI4(1)},
                    1,
                    DISPATCH_METHOD,
                    DISP_E_TYPEMISMATCH,
                    1});
    rows.push_back({"overflow", {vI4(1), vStr(u"1e12")}, 1, DISPATCH_METHOD, DISP_E_OVERFLOW, 0});
    rows.push_back(
        {"put of a read-only name", {vI4(1)}, 1, DISPATCH_PROPERTYPUT, DISP_E_MEMBERNOTFOUND, 999});
    rows.push_back({"method call of a property put only",
                    {},
                    4,
                    DISPATCH_PROPERTYPUT,
                    DISP_E_BADPARAMCOUNT,
                    999});
    rows.push_back({"plain HRESULT", {}, 6, DISPATCH_METHOD, E_NOTIMPL, 999});
    rows.push_back({"number for an object", {vI4(1)}, 8, DISPATCH_METHOD, DISP_E_TYPEMISMATCH, 0});
    for (Row& row : rows) {
        Call call(std::move(row.args));
        EXPECT_EQ(call.invoke(s, row.id, row.flags), row.hr) << row.what;
        EXPECT_EQ(call.argumentError, row.argumentError) << row.what;
        EXPECT_EQ(call.result.vt, VT_EMPTY) << row.what;
    }
}

TEST(DispatchInvoke, ByReferenceParametersWriteTheCallersStorage) {
    Sample s;
    SHORT i2 = 0;
    LONG i4 = 0;
    BSTR text = SysAllocString(u"old");
    VARIANT_BOOL flag = VARIANT_FALSE;
    DATE when = 0;
    Call call({vRef(VT_I2, &i2), vRef(VT_I4, &i4), vRef(VT_BSTR, &text), vRef(VT_BOOL, &flag),
               vRef(VT_DATE, &when)});
    ASSERT_EQ(call.invoke(s, 3), S_OK);
    EXPECT_EQ(i2, -7);
    EXPECT_EQ(i4, 70000);
    EXPECT_EQ(qStringFromBstr(text), "filled");
    EXPECT_EQ(flag, VARIANT_TRUE);
    EXPECT_DOUBLE_EQ(when, 2.5);
    SysFreeString(text);
}

TEST(DispatchInvoke, ByReferenceVariantsGetTheValueConvertedBack) {
    Sample s;
    // A script's variables: Variants holding whatever they held before.
    VARIANT vars[5];
    vars[0] = vStr(u"3");
    vars[1] = v(VT_EMPTY);
    vars[2] = vI4(5);
    vars[3] = v(VT_EMPTY);
    vars[4] = v(VT_EMPTY);
    Call call({vRef(VT_VARIANT, &vars[0]), vRef(VT_VARIANT, &vars[1]), vRef(VT_VARIANT, &vars[2]),
               vRef(VT_VARIANT, &vars[3]), vRef(VT_VARIANT, &vars[4])});
    ASSERT_EQ(call.invoke(s, 3), S_OK);
    EXPECT_EQ(vars[0].vt, VT_I2);
    EXPECT_EQ(vars[0].iVal, -7);
    EXPECT_EQ(vars[1].vt, VT_I4);
    EXPECT_EQ(vars[1].lVal, 70000);
    EXPECT_EQ(vars[2].vt, VT_BSTR);
    EXPECT_EQ(qStringFromBstr(vars[2].bstrVal), "filled");
    EXPECT_EQ(vars[3].vt, VT_BOOL);
    EXPECT_EQ(vars[4].vt, VT_DATE);
    for (VARIANT& var : vars) {
        VariantClear(&var);
    }
    // A by-reference argument of another type is a mismatch.
    LONG wrong = 0;
    SHORT rest = 0;
    Call bad({vRef(VT_I4, &wrong), vRef(VT_I4, &wrong), vRef(VT_I2, &rest), vRef(VT_I2, &rest),
              vRef(VT_I2, &rest)});
    EXPECT_EQ(bad.invoke(s, 3), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(bad.argumentError, 4u);
}

TEST(DispatchInvoke, PropertyGetAndPutWithTheNamedValue) {
    Sample s;
    Call put({vStr(u"17")});
    ASSERT_EQ(put.invoke(s, 4, DISPATCH_PROPERTYPUT, {DISPID_PROPERTYPUT}), S_OK);
    EXPECT_EQ(s.value, 17);
    Call get({});
    ASSERT_EQ(get.invoke(s, 4, DISPATCH_PROPERTYGET | DISPATCH_METHOD), S_OK);
    EXPECT_EQ(get.result.lVal, 17);
    Call wrongName({vI4(1)});
    EXPECT_EQ(wrongName.invoke(s, 4, DISPATCH_PROPERTYPUT, {0}), DISP_E_PARAMNOTFOUND);
}

TEST(DispatchInvoke, NamedArgumentsOfAMethod) {
    Sample s;
    // Add(Second:=2, First:=40)
    Call call({vI4(2), vI2(40)});
    ASSERT_EQ(call.invoke(s, 1, DISPATCH_METHOD, {1, 0}), S_OK);
    EXPECT_EQ(call.result.lVal, 42);
    Call unknown({vI4(2), vI2(40)});
    EXPECT_EQ(unknown.invoke(s, 1, DISPATCH_METHOD, {1, 7}), DISP_E_PARAMNOTFOUND);
    EXPECT_EQ(unknown.argumentError, 1u);
}

TEST(DispatchInvoke, AnAutomationExceptionFillsTheRecord) {
    Sample s;
    Call call({});
    ASSERT_EQ(call.invoke(s, 5), DISP_E_EXCEPTION);
    EXPECT_EQ(call.exception.wCode, 0xFFFF);
    EXPECT_EQ(call.exception.scode, 0);
    EXPECT_EQ(qStringFromBstr(call.exception.bstrDescription), "Object not ready");
}

TEST(DispatchInvoke, ObjectsPassWithTheRightReferences) {
    Sample s;
    {
        Call call({});
        ASSERT_EQ(call.invoke(s, 7), S_OK);
        EXPECT_EQ(call.result.vt, VT_DISPATCH);
        EXPECT_EQ(s.refs, 2u); // the caller's reference
    }
    EXPECT_EQ(s.refs, 1u);
    VARIANT arg = v(VT_DISPATCH);
    arg.pdispVal = &s;
    s.AddRef();
    {
        Call call({arg});
        ASSERT_EQ(call.invoke(s, 8), S_OK);
        EXPECT_EQ(call.result.lVal, 1);
        EXPECT_EQ(s.refs, 2u); // borrowed, not taken
    }
    EXPECT_EQ(s.refs, 1u);
}

TEST(DispatchInvoke, AResultNobodyWantsIsFreed) {
    Sample s;
    VARIANT args[3] = {v(VT_DATE), v(VT_BOOL), vStr(u"x")}; // reversed
    DISPPARAMS params{args, nullptr, 3, 0};
    EXPECT_EQ(s.Invoke(2, GUID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(s.lastText, "x");
    VariantClear(&args[2]);
}
