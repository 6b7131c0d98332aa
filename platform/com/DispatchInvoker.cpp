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

// The coerced arguments of one call and what they own.
class Arguments {
public:
    explicit Arguments(std::size_t count) : count_(count) {
        if (count_ > inline_.size()) {
            heap_.resize(count_);
        }
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

    VARIANT& at(std::size_t i) { return count_ > inline_.size() ? heap_[i] : inline_[i]; }
    VARIANT* data() { return count_ > inline_.size() ? heap_.data() : inline_.data(); }
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
    std::array<VARIANT, 8> inline_; // only the first count_ are initialised
    std::vector<VARIANT> heap_;
    std::uint64_t ownedMask_ = 0;
};

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

HRESULT dispatchInvoke(const InterfaceInfo& info, void* object, DISPID id, WORD flags,
                       DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                       UINT* argumentError) {
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    if (params == nullptr) {
        params = &none;
    }
    if (params->cNamedArgs > params->cArgs || (params->cArgs > 0 && params->rgvarg == nullptr) ||
        (params->cNamedArgs > 0 && params->rgdispidNamedArgs == nullptr)) {
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

    // Place the caller's arguments in declared order.
    std::array<VARIANT*, 8> inlinePlaced{};
    std::vector<VARIANT*> heapPlaced;
    VARIANT** placed = inlinePlaced.data();
    if (count > inlinePlaced.size()) {
        heapPlaced.assign(count, nullptr);
        placed = heapPlaced.data();
    }
    std::array<UINT, 8> inlinePositions{};
    std::vector<UINT> heapPositions;
    UINT* positions = inlinePositions.data(); // index into rgvarg per slot
    if (count > inlinePositions.size()) {
        heapPositions.assign(count, 0);
        positions = heapPositions.data();
    }
    for (UINT k = 0; k < params->cNamedArgs; ++k) {
        const DISPID named = params->rgdispidNamedArgs[k];
        const std::size_t slot =
            named == DISPID_PROPERTYPUT && put ? count - 1 : static_cast<std::size_t>(named);
        if (named < 0 && !(named == DISPID_PROPERTYPUT && put)) {
            if (argumentError != nullptr) {
                *argumentError = k;
            }
            return DISP_E_PARAMNOTFOUND;
        }
        if (slot >= count || placed[slot] != nullptr) {
            if (argumentError != nullptr) {
                *argumentError = k;
            }
            return DISP_E_PARAMNOTFOUND;
        }
        placed[slot] = &params->rgvarg[k];
        positions[slot] = k;
    }
    const UINT positional = params->cArgs - params->cNamedArgs;
    for (UINT i = 0; i < positional; ++i) {
        const UINT position = params->cArgs - 1 - i;
        if (placed[i] != nullptr) {
            return DISP_E_BADPARAMCOUNT;
        }
        placed[i] = &params->rgvarg[position];
        positions[i] = position;
    }

    Arguments args(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (placed[i] == nullptr) {
            return DISP_E_PARAMNOTOPTIONAL;
        }
        const HRESULT hr = coerce(args, i, member->params[i].type, placed[i]);
        if (FAILED(hr)) {
            if (argumentError != nullptr) {
                *argumentError = positions[i];
            }
            return hr == DISP_E_OVERFLOW ? hr : DISP_E_TYPEMISMATCH;
        }
    }

    VARIANT returned;
    returned.vt = VT_EMPTY;
    DispatchCall call(*member, args.data(), &returned);
    try {
        member->thunk(object, call);
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
    for (Arguments::Writeback& w : args.writebacks_) {
        VariantClear(w.target);
        *w.target = w.value;
        VariantInit(&w.value);
    }
    if (result != nullptr) {
        *result = returned;
    } else {
        VariantClear(&returned);
    }
    return S_OK;
}

} // namespace velox::com
