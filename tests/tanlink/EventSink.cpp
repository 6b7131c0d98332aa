#include "EventSink.h"

#include <algorithm>

namespace velox::test {

using namespace com;

HRESULT EventSink::QueryInterface(REFIID riid, void** object) {
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == events_) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT EventSink::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

HRESULT EventSink::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}

HRESULT EventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                          UINT*) {
    RecordedEvent event{id, {}, std::this_thread::get_id()};
    for (UINT i = params->cArgs; i-- > 0;) {
        VARIANT& v = params->rgvarg[i];
        switch (v.vt) {
        case VT_I2:
            event.args.append(QString::number(v.iVal));
            break;
        case VT_I4:
            event.args.append(QString::number(v.lVal));
            break;
        case VT_BSTR:
            event.args.append(qStringFromBstr(v.bstrVal));
            break;
        case VT_BOOL | VT_BYREF:
            event.args.append(QString::number(*v.pboolVal));
            *v.pboolVal = cancel_ ? VARIANT_TRUE : VARIANT_FALSE;
            break;
        default:
            event.args.append(QStringLiteral("vt %1").arg(v.vt));
            break;
        }
    }
    {
        const std::lock_guard lock(mutex_);
        events_list_.push_back(event);
    }
    arrived_.notify_all();
    return S_OK;
}

std::vector<RecordedEvent> EventSink::events() const {
    const std::lock_guard lock(mutex_);
    return events_list_;
}

bool EventSink::waitFor(DISPID id, int count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, timeout, [&] {
        return std::count_if(events_list_.begin(), events_list_.end(),
                             [id](const RecordedEvent& e) { return e.id == id; }) >= count;
    });
}

QStringList EventSink::nth(DISPID id, int n) {
    if (!waitFor(id, n)) {
        return {QStringLiteral("(no event)")};
    }
    const std::lock_guard lock(mutex_);
    int seen = 0;
    for (const RecordedEvent& e : events_list_) {
        if (e.id == id && ++seen == n) {
            return e.args;
        }
    }
    return {};
}

} // namespace velox::test
