// Conversions between the automation types, as VariantChangeType does them
// for the en-US locale: numbers round half to even, text parses with an
// optional sign, thousands commas, decimals, exponent and &H / &O prefixes,
// booleans are -1 and 0, objects convert through their default value.

#include "platform/com/Variant.h"
#include "platform/com/interfaces/Dispatch.h"

#include <QDateTime>
#include <QLocale>
#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>

namespace velox::com {

namespace {

constexpr double kMaxDate = 2958465.99999999;
constexpr double kMinDate = -657434.0;

// A parsed number, remembering whether it came from &H / &O text (which
// wraps into the signed range of the target's width, as Windows does).
struct Number {
    double value = 0;
    bool fromRadix = false;
};

bool isSpace(QChar c) {
    return c.isSpace();
}

std::optional<Number> parseNumber(const QString& raw) {
    QString text = raw;
    while (!text.isEmpty() && isSpace(text.front())) {
        text.remove(0, 1);
    }
    while (!text.isEmpty() && isSpace(text.back())) {
        text.chop(1);
    }
    if (text.isEmpty()) {
        return std::nullopt;
    }
    if (text.size() > 2 && text[0] == u'&' &&
        (text[1].toUpper() == u'H' || text[1].toUpper() == u'O')) {
        const int base = text[1].toUpper() == u'H' ? 16 : 8;
        bool ok = false;
        const qulonglong value = text.mid(2).toULongLong(&ok, base);
        if (!ok || value > 0xFFFFFFFFULL) {
            return std::nullopt;
        }
        return Number{static_cast<double>(value), true};
    }
    // sign? digits with thousands commas? (. digits)? (e sign? digits)?
    QString plain;
    qsizetype i = 0;
    if (text[i] == u'+' || text[i] == u'-') {
        plain.append(text[i++]);
    }
    bool digits = false;
    while (i < text.size() && (text[i].isDigit() || (text[i] == u',' && digits))) {
        if (text[i] != u',') {
            plain.append(text[i]);
            digits = true;
        }
        ++i;
    }
    if (i < text.size() && text[i] == u'.') {
        plain.append(text[i++]);
        while (i < text.size() && text[i].isDigit()) {
            plain.append(text[i++]);
            digits = true;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        plain.append(u'e');
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
            plain.append(text[i++]);
        }
        bool exponentDigits = false;
        while (i < text.size() && text[i].isDigit()) {
            plain.append(text[i++]);
            exponentDigits = true;
        }
        if (!exponentDigits) {
            return std::nullopt;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return Number{value, false};
}

std::optional<double> parseDate(const QString& raw) {
    const QString text = raw.simplified();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    const QLocale c = QLocale::c();
    static const char* const dateTimeFormats[] = {
        "yyyy-MM-dd HH:mm:ss", "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-dd HH:mm", "M/d/yyyy h:mm:ss AP",
        "M/d/yyyy h:mm AP",    "M/d/yyyy H:mm:ss",    "M/d/yyyy H:mm",
    };
    for (const char* format : dateTimeFormats) {
        const QDateTime dt = c.toDateTime(text, QString::fromLatin1(format));
        if (dt.isValid()) {
            return dateFromQDateTime(dt);
        }
    }
    for (const char* format : {"yyyy-MM-dd", "M/d/yyyy"}) {
        const QDate d = c.toDate(text, QString::fromLatin1(format));
        if (d.isValid()) {
            return dateFromQDateTime(QDateTime(d, QTime(0, 0)));
        }
    }
    for (const char* format : {"h:mm:ss AP", "h:mm AP", "H:mm:ss", "H:mm"}) {
        const QTime t = c.toTime(text, QString::fromLatin1(format));
        if (t.isValid()) {
            return static_cast<double>(t.msecsSinceStartOfDay()) / 86400000.0;
        }
    }
    return std::nullopt;
}

QString formatDouble(double value) {
    QString text = QString::number(value, 'g', 15);
    text.replace(u'e', u'E');
    return text;
}

QString formatDate(DATE date) {
    const auto dt = qDateTimeFromDate(date);
    if (!dt) {
        return QString();
    }
    // Round to whole seconds as the text shows them.
    const QDateTime shown =
        dt->addMSecs(dt->time().msec() >= 500 ? 1000 - dt->time().msec() : -dt->time().msec());
    const QLocale c = QLocale::c();
    const bool hasDate = std::trunc(date) != 0;
    const bool hasTime = shown.time() != QTime(0, 0);
    QStringList parts;
    if (hasDate || !hasTime) {
        parts << c.toString(shown.date(), QStringLiteral("M/d/yyyy"));
    }
    if (hasTime) {
        parts << c.toString(shown.time(), QStringLiteral("h:mm:ss AP"));
    }
    return parts.join(u' ');
}

// Invokes the default member of an object to get its value.
HRESULT defaultValue(IDispatch* object, LCID lcid, VARIANT* value) {
    if (object == nullptr) {
        return DISP_E_TYPEMISMATCH;
    }
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    const HRESULT hr =
        object->Invoke(DISPID_VALUE, GUID_NULL, lcid, DISPATCH_PROPERTYGET | DISPATCH_METHOD, &none,
                       value, nullptr, nullptr);
    return FAILED(hr) ? DISP_E_TYPEMISMATCH : S_OK;
}

// The numeric value of a by-value variant, for the numeric targets.
HRESULT numberOf(const VARIANT& v, bool forDate, Number& out) {
    switch (v.vt) {
    case VT_EMPTY:
        out = Number{0, false};
        return S_OK;
    case VT_I2:
        out = Number{static_cast<double>(v.iVal), false};
        return S_OK;
    case VT_BOOL:
        out = Number{v.boolVal != 0 ? -1.0 : 0.0, false};
        return S_OK;
    case VT_I4:
        out = Number{static_cast<double>(v.lVal), false};
        return S_OK;
    case VT_UI1:
        out = Number{static_cast<double>(v.bVal), false};
        return S_OK;
    case VT_R4:
        out = Number{static_cast<double>(v.fltVal), false};
        return S_OK;
    case VT_R8:
    case VT_DATE:
        out = Number{v.dblVal, false};
        return S_OK;
    case VT_BSTR: {
        const QString text = qStringFromBstr(v.bstrVal);
        if (forDate) {
            if (const auto date = parseDate(text)) {
                out = Number{*date, false};
                return S_OK;
            }
        }
        const auto parsed = parseNumber(text);
        if (!parsed) {
            return DISP_E_TYPEMISMATCH;
        }
        out = *parsed;
        return S_OK;
    }
    default:
        return DISP_E_TYPEMISMATCH;
    }
}

HRESULT toInteger(const Number& n, double low, double high, double& out) {
    double value = n.fromRadix && n.value > high ? n.value - (high + 1 - low) : n.value;
    value = std::nearbyint(value); // half to even in the default rounding mode
    // Written so that NaN fails too: it is no number of any integer type.
    if (!(value >= low && value <= high)) {
        return DISP_E_OVERFLOW;
    }
    out = value;
    return S_OK;
}

// What one conversion does: fills the value of `result` (whose type is set)
// from `src`, a by-value variant of another type.
using Converter = HRESULT (*)(const VARIANT& src, WORD flags, VARIANT& result);

// I2, I4 and UI1: the number rounded into the range of T.
template <typename T> HRESULT integerTarget(const VARIANT& src, T& out) {
    Number n;
    double value = 0;
    HRESULT hr = numberOf(src, false, n);
    if (SUCCEEDED(hr)) {
        hr = toInteger(n, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), value);
    }
    if (SUCCEEDED(hr)) {
        out = static_cast<T>(value);
    }
    return hr;
}

HRESULT toEmpty(const VARIANT& /*src*/, WORD /*flags*/, VARIANT& result) {
    VariantInit(&result);
    return S_OK;
}

HRESULT toNull(const VARIANT& src, WORD /*flags*/, VARIANT& /*result*/) {
    return src.vt == VT_EMPTY ? S_OK : DISP_E_TYPEMISMATCH;
}

HRESULT toI2(const VARIANT& src, WORD /*flags*/, VARIANT& result) {
    return integerTarget(src, result.iVal);
}

HRESULT toI4(const VARIANT& src, WORD /*flags*/, VARIANT& result) {
    return integerTarget(src, result.lVal);
}

HRESULT toUI1(const VARIANT& src, WORD /*flags*/, VARIANT& result) {
    return integerTarget(src, result.bVal);
}

HRESULT toR4(const VARIANT& src, WORD /*flags*/, VARIANT& result) {
    Number n;
    const HRESULT hr = numberOf(src, false, n);
    if (FAILED(hr)) {
        return hr;
    }
    if (std::fabs(n.value) > FLT_MAX) {
        return DISP_E_OVERFLOW;
    }
    result.fltVal = static_cast<FLOAT>(n.value);
    return S_OK;
}

HRESULT toR8(const VARIANT& src, WORD /*flags*/, VARIANT& result) {
    Number n;
    const HRESULT hr = numberOf(src, false, n);
    if (SUCCEEDED(hr)) {
        result.dblVal = n.value;
    }
    return hr;
}

HRESULT toDate(const VARIANT& src, WORD /*flags*/, VARIANT& result) {
    Number n;
    const HRESULT hr = numberOf(src, true, n);
    if (FAILED(hr)) {
        return hr;
    }
    if (!(n.value >= kMinDate && n.value <= kMaxDate)) { // NaN is no date either
        return DISP_E_OVERFLOW;
    }
    result.date = n.value;
    return S_OK;
}

HRESULT toBool(const VARIANT& src, WORD /*flags*/, VARIANT& result) {
    if (src.vt == VT_BSTR) {
        const QString text = qStringFromBstr(src.bstrVal).trimmed();
        if (text.compare(u"True", Qt::CaseInsensitive) == 0) {
            result.boolVal = VARIANT_TRUE;
            return S_OK;
        }
        if (text.compare(u"False", Qt::CaseInsensitive) == 0) {
            result.boolVal = VARIANT_FALSE;
            return S_OK;
        }
    }
    Number n;
    const HRESULT hr = numberOf(src, false, n);
    if (SUCCEEDED(hr)) {
        result.boolVal = n.value != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    }
    return hr;
}

HRESULT toError(const VARIANT& src, WORD /*flags*/, VARIANT& result) {
    if (src.vt != VT_I4) {
        return DISP_E_TYPEMISMATCH;
    }
    result.scode = src.lVal;
    return S_OK;
}

// The text of a by-value variant; booleans read "True" and "False" with
// VARIANT_ALPHABOOL or VARIANT_LOCALBOOL, "-1" and "0" without.
HRESULT textOf(const VARIANT& src, WORD flags, QString& text) {
    switch (src.vt) {
    case VT_EMPTY:
        text.clear();
        return S_OK;
    case VT_I2:
        text = QString::number(src.iVal);
        return S_OK;
    case VT_I4:
        text = QString::number(src.lVal);
        return S_OK;
    case VT_UI1:
        text = QString::number(src.bVal);
        return S_OK;
    case VT_R4:
        text = formatDouble(static_cast<double>(src.fltVal));
        return S_OK;
    case VT_R8:
        text = formatDouble(src.dblVal);
        return S_OK;
    case VT_DATE:
        text = formatDate(src.date);
        return text.isEmpty() ? DISP_E_OVERFLOW : S_OK;
    case VT_BOOL:
        if ((flags & (VARIANT_ALPHABOOL | VARIANT_LOCALBOOL)) != 0) {
            text = src.boolVal != 0 ? QStringLiteral("True") : QStringLiteral("False");
        } else {
            text = src.boolVal != 0 ? QStringLiteral("-1") : QStringLiteral("0");
        }
        return S_OK;
    default:
        return DISP_E_TYPEMISMATCH;
    }
}

HRESULT toBstr(const VARIANT& src, WORD flags, VARIANT& result) {
    QString text;
    const HRESULT hr = textOf(src, flags, text);
    if (FAILED(hr)) {
        return hr;
    }
    result.bstrVal = bstrFromQString(text);
    return result.bstrVal != nullptr ? S_OK : E_OUTOFMEMORY;
}

// DISPATCH and UNKNOWN: an object (or nothing) passes on with a reference of
// its own; a DISPATCH target asks the object for IDispatch.
HRESULT toObject(const VARIANT& src, WORD /*flags*/, VARIANT& result) {
    if (src.vt == VT_EMPTY) {
        result.punkVal = nullptr;
        return S_OK;
    }
    if (src.vt != VT_DISPATCH && src.vt != VT_UNKNOWN) {
        return DISP_E_TYPEMISMATCH;
    }
    if (src.punkVal == nullptr) {
        result.punkVal = nullptr;
        return S_OK;
    }
    if (result.vt == VT_DISPATCH) {
        void* object = nullptr;
        if (FAILED(src.punkVal->QueryInterface(IID_IDispatch, &object))) {
            return DISP_E_TYPEMISMATCH;
        }
        result.pdispVal = static_cast<IDispatch*>(object);
    } else {
        src.punkVal->AddRef();
        result.punkVal = src.punkVal;
    }
    return S_OK;
}

// The conversion to each type a variant can be converted to; null for the
// types it cannot.
Converter converterTo(VARTYPE type) {
    switch (type) {
    case VT_EMPTY:
        return toEmpty;
    case VT_NULL:
        return toNull;
    case VT_I2:
        return toI2;
    case VT_I4:
        return toI4;
    case VT_R4:
        return toR4;
    case VT_R8:
        return toR8;
    case VT_UI1:
        return toUI1;
    case VT_BOOL:
        return toBool;
    case VT_BSTR:
        return toBstr;
    case VT_DATE:
        return toDate;
    case VT_ERROR:
        return toError;
    case VT_DISPATCH:
    case VT_UNKNOWN:
        return toObject;
    default:
        return nullptr;
    }
}

} // namespace

HRESULT VariantChangeTypeEx(VARIANT* destination, const VARIANT* source, LCID lcid, WORD flags,
                            VARTYPE type) {
    if (destination == nullptr || source == nullptr) {
        return E_INVALIDARG;
    }
    if ((type & VT_BYREF) != 0) {
        return DISP_E_TYPEMISMATCH;
    }
    const Converter convert = converterTo(type);
    if (convert == nullptr) {
        return DISP_E_BADVARTYPE;
    }
    VARIANT src;
    VariantInit(&src);
    HRESULT hr = VariantCopyInd(&src, source);
    if (FAILED(hr)) {
        return hr;
    }
    if (src.vt == VT_DISPATCH && type != VT_DISPATCH && type != VT_UNKNOWN && type != VT_EMPTY) {
        VARIANT value;
        VariantInit(&value);
        hr = (flags & VARIANT_NOVALUEPROP) != 0 ? DISP_E_TYPEMISMATCH
                                                : defaultValue(src.pdispVal, lcid, &value);
        VariantClear(&src);
        if (FAILED(hr)) {
            return hr;
        }
        src = value;
        if (src.vt == VT_DISPATCH) {
            VariantClear(&src);
            return DISP_E_TYPEMISMATCH;
        }
    }
    VARIANT result;
    VariantInit(&result);
    if (src.vt == type) {
        result = src; // takes over what src owns
        VariantInit(&src);
    } else if (src.vt == VT_NULL && type != VT_EMPTY) {
        hr = DISP_E_TYPEMISMATCH;
    } else {
        result.vt = type;
        hr = convert(src, flags, result);
    }
    VariantClear(&src);
    if (FAILED(hr)) {
        return hr;
    }
    VariantClear(destination);
    *destination = result;
    return S_OK;
}

HRESULT VariantChangeType(VARIANT* destination, const VARIANT* source, WORD flags, VARTYPE type) {
    return VariantChangeTypeEx(destination, source, LOCALE_USER_DEFAULT, flags, type);
}

} // namespace velox::com
