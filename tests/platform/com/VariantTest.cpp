#include "platform/com/Variant.h"

#include "platform/com/interfaces/Dispatch.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

using namespace velox::com;

namespace {

VARIANT i2(SHORT v) {
    VARIANT x;
    VariantInit(&x);
    x.vt = VT_I2;
    x.iVal = v;
    return x;
}
VARIANT i4(LONG v) {
    VARIANT x;
    VariantInit(&x);
    x.vt = VT_I4;
    x.lVal = v;
    return x;
}
VARIANT r8(double v) {
    VARIANT x;
    VariantInit(&x);
    x.vt = VT_R8;
    x.dblVal = v;
    return x;
}
VARIANT boolean(bool v) {
    VARIANT x;
    VariantInit(&x);
    x.vt = VT_BOOL;
    x.boolVal = v ? VARIANT_TRUE : VARIANT_FALSE;
    return x;
}
VARIANT date(DATE v) {
    VARIANT x;
    VariantInit(&x);
    x.vt = VT_DATE;
    x.date = v;
    return x;
}
VARIANT str(const char16_t* v) {
    VARIANT x;
    VariantInit(&x);
    x.vt = VT_BSTR;
    x.bstrVal = SysAllocString(v);
    return x;
}
VARIANT ofType(VARTYPE vt) {
    VARIANT x;
    VariantInit(&x);
    x.vt = vt;
    return x;
}

// The value of a converted variant as text, to compare in one column.
std::string show(const VARIANT& v) {
    switch (v.vt) {
    case VT_EMPTY:
        return "empty";
    case VT_NULL:
        return "null";
    case VT_I2:
        return "i2:" + std::to_string(v.iVal);
    case VT_I4:
        return "i4:" + std::to_string(v.lVal);
    case VT_BOOL:
        return "bool:" + std::to_string(v.boolVal);
    case VT_R8:
        return "r8:" + QString::number(v.dblVal).toStdString();
    case VT_DATE:
        return "date:" + QString::number(v.date, 'g', 12).toStdString();
    case VT_BSTR:
        return "bstr:" + qStringFromBstr(v.bstrVal).toStdString();
    case VT_UI1:
        return "ui1:" + std::to_string(v.bVal);
    case VT_ERROR:
        return "error:" + std::to_string(v.scode);
    default:
        return "vt" + std::to_string(v.vt);
    }
}

struct Row {
    VARIANT source;
    VARTYPE target;
    WORD flags;
    HRESULT expected;
    std::string value; // when expected is S_OK
};

// A counting object whose default member returns 42.
class Counted final : public IDispatch {
public:
    ULONG refs = 1;
    HRESULT QueryInterface(REFIID riid, void** object) override {
        if (riid == IID_IUnknown || riid == IID_IDispatch) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
    HRESULT GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                   UINT*) override {
        if (member != DISPID_VALUE) {
            return DISP_E_MEMBERNOTFOUND;
        }
        *result = i4(42);
        return S_OK;
    }
};

} // namespace

TEST(VariantChangeType, ConvertsAsTheTableSays) {
    std::vector<Row> rows = {
        {i2(7), VT_I4, 0, S_OK, "i4:7"},
        {i4(-32768), VT_I2, 0, S_OK, "i2:-32768"},
        {i4(32768), VT_I2, 0, DISP_E_OVERFLOW, ""},
        {r8(2.5), VT_I4, 0, S_OK, "i4:2"},
        {r8(3.5), VT_I4, 0, S_OK, "i4:4"},
        {r8(-2.5), VT_I2, 0, S_OK, "i2:-2"},
        {r8(3e10), VT_I4, 0, DISP_E_OVERFLOW, ""},
        // A script's 0/0 is no integer: refused, not converted.
        {r8(std::nan("")), VT_I2, 0, DISP_E_OVERFLOW, ""},
        {r8(std::nan("")), VT_I4, 0, DISP_E_OVERFLOW, ""},
        {r8(std::nan("")), VT_UI1, 0, DISP_E_OVERFLOW, ""},
        {r8(std::nan("")), VT_DATE, 0, DISP_E_OVERFLOW, ""},
        {i4(5), VT_BOOL, 0, S_OK, "bool:-1"},
        {i4(0), VT_BOOL, 0, S_OK, "bool:0"},
        {boolean(true), VT_I4, 0, S_OK, "i4:-1"},
        {boolean(true), VT_BSTR, 0, S_OK, "bstr:-1"},
        {boolean(false), VT_BSTR, VARIANT_ALPHABOOL, S_OK, "bstr:False"},
        {str(u" 42 "), VT_I4, 0, S_OK, "i4:42"},
        {str(u"-1,234"), VT_I4, 0, S_OK, "i4:-1234"},
        {str(u"2.5"), VT_I2, 0, S_OK, "i2:2"},
        {str(u"1e3"), VT_I4, 0, S_OK, "i4:1000"},
        {str(u"&HFF"), VT_I4, 0, S_OK, "i4:255"},
        {str(u"&HFFFF"), VT_I2, 0, S_OK, "i2:-1"},
        {str(u"&O17"), VT_I2, 0, S_OK, "i2:15"},
        {str(u"40000"), VT_I2, 0, DISP_E_OVERFLOW, ""},
        {str(u"12abc"), VT_I4, 0, DISP_E_TYPEMISMATCH, ""},
        {str(u""), VT_I4, 0, DISP_E_TYPEMISMATCH, ""},
        {str(u"inf"), VT_R8, 0, DISP_E_TYPEMISMATCH, ""},
        {str(u"true"), VT_BOOL, 0, S_OK, "bool:-1"},
        {str(u"FALSE"), VT_BOOL, 0, S_OK, "bool:0"},
        {str(u"0"), VT_BOOL, 0, S_OK, "bool:0"},
        {str(u"maybe"), VT_BOOL, 0, DISP_E_TYPEMISMATCH, ""},
        {i4(-12), VT_BSTR, 0, S_OK, "bstr:-12"},
        {r8(0.1), VT_BSTR, 0, S_OK, "bstr:0.1"},
        {r8(1e20), VT_BSTR, 0, S_OK, "bstr:1E+20"},
        {date(46364.5), VT_BSTR, 0, S_OK, "bstr:12/8/2026 12:00:00 PM"},
        {date(46364), VT_BSTR, 0, S_OK, "bstr:12/8/2026"},
        {date(0.25), VT_BSTR, 0, S_OK, "bstr:6:00:00 AM"},
        {str(u"12/8/2026 12:00:00 PM"), VT_DATE, 0, S_OK, "date:46364.5"},
        {str(u"2026-12-08"), VT_DATE, 0, S_OK, "date:46364"},
        {str(u"18:00"), VT_DATE, 0, S_OK, "date:0.75"},
        {str(u"not a date"), VT_DATE, 0, DISP_E_TYPEMISMATCH, ""},
        {i4(2), VT_DATE, 0, S_OK, "date:2"},
        {r8(1e8), VT_DATE, 0, DISP_E_OVERFLOW, ""},
        {date(2.75), VT_I4, 0, S_OK, "i4:3"},
        {ofType(VT_EMPTY), VT_I4, 0, S_OK, "i4:0"},
        {ofType(VT_EMPTY), VT_BSTR, 0, S_OK, "bstr:"},
        {ofType(VT_EMPTY), VT_BOOL, 0, S_OK, "bool:0"},
        {ofType(VT_NULL), VT_I4, 0, DISP_E_TYPEMISMATCH, ""},
        {ofType(VT_NULL), VT_BSTR, 0, DISP_E_TYPEMISMATCH, ""},
        {ofType(VT_NULL), VT_NULL, 0, S_OK, "null"},
        {i4(3), VT_EMPTY, 0, S_OK, "empty"},
        {i4(300), VT_UI1, 0, DISP_E_OVERFLOW, ""},
        {i4(-5), VT_ERROR, 0, S_OK, "error:-5"},
        {i4(1), VT_DISPATCH, 0, DISP_E_TYPEMISMATCH, ""},
        {i4(1), VT_I4 | VT_BYREF, 0, DISP_E_TYPEMISMATCH, ""},
        {i4(1), VT_CY, 0, DISP_E_BADVARTYPE, ""},
    };
    for (Row& row : rows) {
        VARIANT out;
        VariantInit(&out);
        const HRESULT hr = VariantChangeType(&out, &row.source, row.flags, row.target);
        EXPECT_EQ(hr, row.expected) << show(row.source) << " -> " << row.target;
        if (hr == S_OK) {
            EXPECT_EQ(show(out), row.value) << show(row.source) << " -> " << row.target;
        } else {
            EXPECT_EQ(out.vt, VT_EMPTY) << "left untouched on failure";
        }
        VariantClear(&out);
        VariantClear(&row.source);
    }
}

TEST(VariantChangeType, DereferencesByReferenceSources) {
    SHORT value = 12;
    VARIANT byRef = ofType(VT_I2 | VT_BYREF);
    byRef.piVal = &value;
    VARIANT inner = str(u"34");
    VARIANT byVariant = ofType(VT_VARIANT | VT_BYREF);
    byVariant.pvarVal = &inner;
    VARIANT out;
    VariantInit(&out);
    ASSERT_EQ(VariantChangeType(&out, &byRef, 0, VT_BSTR), S_OK);
    EXPECT_EQ(show(out), "bstr:12");
    ASSERT_EQ(VariantChangeType(&out, &byVariant, 0, VT_I4), S_OK);
    EXPECT_EQ(show(out), "i4:34");
    VariantClear(&out);
    VariantClear(&inner);
}

TEST(VariantChangeType, ConvertsInPlaceWithoutLeaking) {
    VARIANT v = str(u"17");
    ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_I2), S_OK);
    EXPECT_EQ(show(v), "i2:17");
    v = i4(5);
    ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_BSTR), S_OK);
    EXPECT_EQ(show(v), "bstr:5");
    VariantClear(&v);
}

TEST(VariantChangeType, ObjectsConvertThroughTheirDefaultValue) {
    Counted object;
    VARIANT v = ofType(VT_DISPATCH);
    v.pdispVal = &object;
    VARIANT out;
    VariantInit(&out);
    ASSERT_EQ(VariantChangeType(&out, &v, 0, VT_BSTR), S_OK);
    EXPECT_EQ(show(out), "bstr:42");
    VariantClear(&out);
    EXPECT_EQ(VariantChangeType(&out, &v, VARIANT_NOVALUEPROP, VT_I4), DISP_E_TYPEMISMATCH);
    ASSERT_EQ(VariantChangeType(&out, &v, 0, VT_UNKNOWN), S_OK);
    EXPECT_EQ(object.refs, 2u);
    VariantClear(&out);
    EXPECT_EQ(object.refs, 1u);
}

TEST(Variant, CopyDuplicatesStringsAndReferencesObjects) {
    Counted object;
    VARIANT a = str(u"Falcon");
    VARIANT b = i4(1);
    ASSERT_EQ(VariantCopy(&b, &a), S_OK);
    EXPECT_NE(b.bstrVal, a.bstrVal);
    EXPECT_EQ(show(b), "bstr:Falcon");
    VARIANT d = ofType(VT_DISPATCH);
    d.pdispVal = &object;
    ASSERT_EQ(VariantCopy(&b, &d), S_OK); // frees the copied string
    EXPECT_EQ(object.refs, 2u);
    VariantClear(&b);
    EXPECT_EQ(object.refs, 1u);
    EXPECT_EQ(b.vt, VT_EMPTY);
    VariantClear(&a);
}

TEST(Variant, CopyIndFollowsReferencesAndClearLeavesThemAlone) {
    BSTR target = SysAllocString(u"Merlin");
    VARIANT ref = ofType(VT_BSTR | VT_BYREF);
    ref.pbstrVal = &target;
    VARIANT copy;
    VariantInit(&copy);
    ASSERT_EQ(VariantCopyInd(&copy, &ref), S_OK);
    EXPECT_EQ(show(copy), "bstr:Merlin");
    EXPECT_NE(copy.bstrVal, target);
    ASSERT_EQ(VariantClear(&ref), S_OK); // owns nothing
    EXPECT_EQ(qStringFromBstr(target), "Merlin");
    VariantClear(&copy);
    SysFreeString(target);
}

TEST(Variant, UnknownTypesAreRefused) {
    VARIANT v = ofType(0x7F);
    EXPECT_EQ(VariantClear(&v), DISP_E_BADVARTYPE);
    VARIANT arr = ofType(VT_ARRAY | VT_I4);
    VARIANT out;
    VariantInit(&out);
    EXPECT_EQ(VariantCopy(&out, &arr), DISP_E_BADVARTYPE);
    EXPECT_EQ(sizeof(VARIANT), 8 + 2 * sizeof(void*));
}
