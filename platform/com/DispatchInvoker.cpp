#include "platform/com/DispatchInvoker.h"

#include "platform/com/AutomationException.h"
#include "platform/com/ComError.h"
#include "platform/com/DispatchCall.h"

#include <QChar>
#include <array>
#include <new>
#include <vector>

namespace velox::com {

namespace {

constexpr std::size_t kMaxParameters = 64;

char16_t fold(char16_t c) {
    if (c < 0x80) {
        return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
    }
    return QChar(c).toCaseFolded().unicode();
}

bool kindAllowed(MemberKind kind, WORD flags) {
    switch (kind) {
    case MemberKind::Method:
        return (flags & DISPATCH_METHOD) != 0;
    case MemberKind::PropertyGet:
        return (flags & DISPATCH_PROPERTYGET) != 0;
    case MemberKind::PropertyPut:
        return (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    }
    return false;
}

const MemberInfo* memberFor(const InterfaceInfo& info, DISPID id, WORD flags) {
    const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    for (const MemberInfo& member : info.members) {
        if (member.id != id) {
            continue;
        }
        if (put ? member.kind == MemberKind::PropertyPut : kindAllowed(member.kind, flags)) {
            return &member;
        }
    }
    return nullptr;
}

void fillException(EXCEPINFO* exception, WORD code, SCODE scode, const QString& description,
                   const QString& source) {
    if (exception == nullptr) {
        return;
    }
    *exception = EXCEPINFO{};
    exception->wCode = code;
    exception->scode = code != 0 ? 0 : scode;
    exception->bstrDescription = bstrFromQString(description);
    if (!source.isEmpty()) {
        exception->bstrSource = bstrFromQString(source);
    }
}

// `count` elements, inline for the usual few and on the heap beyond. Inline
// elements of a trivial type start uninitialised.
template <typename T> class SmallArray {
public:
    explicit SmallArray(std::size_t count) : count_(count) {
        if (count_ > inline_.size()) {
            heap_.resize(count_);
        }
    }

    T* data() { return count_ > inline_.size() ? heap_.data() : inline_.data(); }
    T& operator[](std::size_t i) { return data()[i]; }

private:
    std::size_t count_;
    std::array<T, 8> inline_;
    std::vector<T> heap_;
};

// The coerced arguments of one call and what they own.
class Arguments {
public:
    explicit Arguments(std::size_t count) : count_(count), values_(count) {
        for (std::size_t i = 0; i < count_; ++i) {
            at(i).vt = VT_EMPTY;
        }
    }
    Arguments(const Arguments&) = delete;
    Arguments& operator=(const Arguments&) = delete;
    ~Arguments() {
        for (std::size_t i = 0; i < count_; ++i) {
            if (owned(i)) {
                VariantClear(&at(i));
            }
        }
        for (Writeback& w : writebacks_) {
            VariantClear(&w.value);
        }
    }

    VARIANT& at(std::size_t i) { return values_[i]; }
    VARIANT* data() { return values_.data(); }
    // At most kMaxParameters arguments, one bit each.
    [[nodiscard]] bool owned(std::size_t i) const { return (ownedMask_ >> i & 1U) != 0; }
    void setOwned(std::size_t i) { ownedMask_ |= std::uint64_t{1} << i; }
    void setBorrowed(std::size_t i) { ownedMask_ &= ~(std::uint64_t{1} << i); }
    void reserveWritebacks() {
        // Pointers into the list are handed out: it must never reallocate.
        if (writebacks_.capacity() < count_) {
            writebacks_.reserve(count_);
        }
    }

    // A by-reference VARIANT argument whose value is converted into a
    // temporary for the call and written back after it.
    struct Writeback {
        VARIANT* target;
        VARIANT value;
    };
    std::vector<Writeback> writebacks_;

private:
    std::size_t count_;
    SmallArray<VARIANT> values_; // only the first count_ are initialised
    std::uint64_t ownedMask_ = 0;
};

// Where the argument of one declared parameter stands in the caller's block.
struct Slot {
    VARIANT* argument = nullptr;
    UINT position = 0; // index into rgvarg
};

// Records a fault in the caller's argument at `position`.
HRESULT argumentFault(UINT* argumentError, UINT position, HRESULT hr) {
    if (argumentError != nullptr) {
        *argumentError = position;
    }
    return hr;
}

// Coerces one argument into `args.at(index)`; `source` is the caller's.
HRESULT coerce(Arguments& args, std::size_t index, VARTYPE declared, VARIANT* source) {
    VARIANT& out = args.at(index);
    if ((declared & VT_BYREF) == 0) {
        if (declared == VT_VARIANT) {
            args.setOwned(index);
            return VariantCopyInd(&out, source);
        }
        if (source->vt == declared) {
            // Borrow: the callee copies what it keeps.
            out = *source;
            args.setBorrowed(index);
            return S_OK;
        }
        args.setOwned(index);
        return VariantChangeType(&out, source, 0, declared);
    }
    args.setBorrowed(index);
    const auto base = static_cast<VARTYPE>(declared & ~VT_BYREF);
    if (source->vt == declared) {
        out = *source;
        return S_OK;
    }
    if (base == VT_VARIANT) {
        // Any argument can stand for a by-reference VARIANT parameter.
        out.vt = declared;
        out.pvarVal = source;
        return S_OK;
    }
    if (source->vt == (VT_BYREF | VT_VARIANT) && source->pvarVal != nullptr) {
        VARIANT* target = source->pvarVal;
        if (target->vt == declared) {
            out = *target;
            return S_OK;
        }
        args.reserveWritebacks();
        Arguments::Writeback w{target, {}};
        VariantInit(&w.value);
        const HRESULT hr = VariantChangeType(&w.value, target, 0, base);
        if (FAILED(hr)) {
            return DISP_E_TYPEMISMATCH;
        }
        args.writebacks_.push_back(w);
        out.vt = declared;
        out.byref = &args.writebacks_.back().value.llVal;
        return S_OK;
    }
    return DISP_E_TYPEMISMATCH;
}

} // namespace

bool namesEqual(LPCOLESTR name, const char* tableName) {
    if (name == nullptr || tableName == nullptr) {
        return false;
    }
    std::size_t i = 0;
    for (; name[i] != u'\0' && tableName[i] != '\0'; ++i) {
        if (fold(name[i]) != fold(static_cast<unsigned char>(tableName[i]))) {
            return false;
        }
    }
    return name[i] == u'\0' && tableName[i] == '\0';
}

HRESULT dispatchGetIDsOfNames(const InterfaceInfo& info, LPOLESTR* names, UINT count,
                              DISPID* dispids) {
    if (count == 0) {
        return S_OK;
    }
    if (names == nullptr || dispids == nullptr) {
        return E_INVALIDARG;
    }
    const MemberInfo* found = nullptr;
    for (const MemberInfo& member : info.members) {
        if (namesEqual(names[0], member.name)) {
            // A property's put and get share a DISPID; the entry with the
            // most parameters names them all.
            if (found == nullptr || member.params.size() > found->params.size()) {
                found = &member;
            }
        }
    }
    HRESULT hr = S_OK;
    dispids[0] = found != nullptr ? found->id : DISPID_UNKNOWN;
    if (found == nullptr) {
        hr = DISP_E_UNKNOWNNAME;
    }
    for (UINT n = 1; n < count; ++n) {
        dispids[n] = DISPID_UNKNOWN;
        if (found != nullptr) {
            for (std::size_t p = 0; p < found->params.size(); ++p) {
                if (namesEqual(names[n], found->params[p].name)) {
                    dispids[n] = static_cast<DISPID>(p);
                    break;
                }
            }
        }
        if (dispids[n] == DISPID_UNKNOWN) {
            hr = DISP_E_UNKNOWNNAME;
        }
    }
    return hr;
}

namespace {

// The argument block as a whole must be readable.
bool wellFormed(const DISPPARAMS& params) {
    return params.cNamedArgs <= params.cArgs && (params.cArgs == 0 || params.rgvarg != nullptr) &&
           (params.cNamedArgs == 0 || params.rgdispidNamedArgs != nullptr);
}

// Named arguments first: each by its parameter's DISPID, a put's value by
// DISPID_PROPERTYPUT; then the positional ones, which stand in reverse.
HRESULT placeArguments(const DISPPARAMS& params, bool put, SmallArray<Slot>& placed,
                       std::size_t count, UINT* argumentError) {
    for (UINT k = 0; k < params.cNamedArgs; ++k) {
        const DISPID named = params.rgdispidNamedArgs[k];
        const bool putValue = named == DISPID_PROPERTYPUT && put;
        const std::size_t slot = putValue ? count - 1 : static_cast<std::size_t>(named);
        if ((named < 0 && !putValue) || slot >= count || placed[slot].argument != nullptr) {
            return argumentFault(argumentError, k, DISP_E_PARAMNOTFOUND);
        }
        placed[slot] = Slot{&params.rgvarg[k], k};
    }
    const UINT positional = params.cArgs - params.cNamedArgs;
    for (UINT i = 0; i < positional; ++i) {
        if (placed[i].argument != nullptr) {
            return DISP_E_BADPARAMCOUNT;
        }
        const UINT position = params.cArgs - 1 - i;
        placed[i] = Slot{&params.rgvarg[position], position};
    }
    return S_OK;
}

HRESULT coerceArguments(const MemberInfo& member, SmallArray<Slot>& placed, Arguments& args,
                        UINT* argumentError) {
    for (std::size_t i = 0; i < member.params.size(); ++i) {
        if (placed[i].argument == nullptr) {
            return DISP_E_PARAMNOTOPTIONAL;
        }
        const HRESULT hr = coerce(args, i, member.params[i].type, placed[i].argument);
        if (FAILED(hr)) {
            return argumentFault(argumentError, placed[i].position,
                                 hr == DISP_E_OVERFLOW ? hr : DISP_E_TYPEMISMATCH);
        }
    }
    return S_OK;
}

// Calls the member; what it throws becomes the call's HRESULT (and
// exception record). `returned` is empty again after a failure.
HRESULT callMember(const MemberInfo& member, void* object, Arguments& args, VARIANT& returned,
                   EXCEPINFO* exception) {
    DispatchCall call(member, args.data(), &returned);
    try {
        member.thunk(object, call);
        return S_OK;
    } catch (const AutomationException& e) {
        VariantClear(&returned);
        fillException(exception, e.code(), e.scode(), e.description(), e.source());
        return DISP_E_EXCEPTION;
    } catch (const ComError& e) {
        VariantClear(&returned);
        return e.hr();
    } catch (const std::bad_alloc&) {
        VariantClear(&returned);
        return E_OUTOFMEMORY;
    } catch (const std::exception& e) {
        VariantClear(&returned);
        fillException(exception, 0, E_FAIL, QString::fromLocal8Bit(e.what()), QString());
        return DISP_E_EXCEPTION;
    }
}

// Hands the converted by-reference values back to the caller's variants.
void writeBack(Arguments& args) {
    for (Arguments::Writeback& w : args.writebacks_) {
        VariantClear(w.target);
        *w.target = w.value;
        VariantInit(&w.value);
    }
}

} // namespace

HRESULT dispatchInvoke(const InterfaceInfo& info, void* object, DISPID id, WORD flags,
                       DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                       UINT* argumentError) {
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    if (params == nullptr) {
        params = &none;
    }
    if (!wellFormed(*params)) {
        return E_INVALIDARG;
    }
    const MemberInfo* member = memberFor(info, id, flags);
    if (member == nullptr) {
        return DISP_E_MEMBERNOTFOUND;
    }
    const std::size_t count = member->params.size();
    if (params->cArgs != count || count > kMaxParameters) {
        return DISP_E_BADPARAMCOUNT;
    }
    const bool put = member->kind == MemberKind::PropertyPut;
    if (params->cNamedArgs > 0 && put &&
        (params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)) {
        return DISP_E_PARAMNOTFOUND;
    }
    SmallArray<Slot> placed(count);
    HRESULT hr = placeArguments(*params, put, placed, count, argumentError);
    if (FAILED(hr)) {
        return hr;
    }
    Arguments args(count);
    if (FAILED(hr = coerceArguments(*member, placed, args, argumentError))) {
        return hr;
    }
    VARIANT returned;
    returned.vt = VT_EMPTY;
    if (FAILED(hr = callMember(*member, object, args, returned, exception))) {
        return hr;
    }
    writeBack(args);
    if (result != nullptr) {
        *result = returned;
    } else {
        VariantClear(&returned);
    }
    return S_OK;
}

} // namespace velox::com
