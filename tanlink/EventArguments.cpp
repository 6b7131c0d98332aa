#include "tanlink/EventArguments.h"

#include "platform/com/Ansi.h"

#include <stdexcept>

namespace velox::tanlink {

using namespace com;

EventArguments::~EventArguments() {
    for (std::size_t i = 0; i < count_; ++i) {
        VariantClear(&values_[i]);
    }
}

VARIANT& EventArguments::next() {
    if (count_ == values_.size()) {
        throw std::length_error("too many event arguments");
    }
    VARIANT& v = values_[count_++];
    VariantInit(&v);
    return v;
}

EventArguments& EventArguments::addLong(LONG value) {
    VARIANT& v = next();
    v.vt = VT_I4;
    v.lVal = value;
    return *this;
}

EventArguments& EventArguments::addShort(SHORT value) {
    VARIANT& v = next();
    v.vt = VT_I2;
    v.iVal = value;
    return *this;
}

EventArguments& EventArguments::addText(const char* ansi) {
    VARIANT& v = next();
    v.vt = VT_BSTR;
    v.bstrVal =
        bstrFromQString(unicodeFromAnsi(ansi != nullptr ? QByteArrayView(ansi) : QByteArrayView()));
    return *this;
}

EventArguments& EventArguments::addBoolRef(VARIANT_BOOL* flag) {
    VARIANT& v = next();
    v.vt = VT_BOOL | VT_BYREF;
    v.pboolVal = flag;
    return *this;
}

} // namespace velox::tanlink
