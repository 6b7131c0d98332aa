#include "platform/com/ConnectionPoint.h"

#include "platform/com/ConnectionEnumerator.h"

#include <algorithm>
#include <array>

namespace velox::com {

ConnectionPoint::ConnectionPoint(IConnectionPointContainer& container, const IID& events)
    : container_(container), events_(events) {}

ConnectionPoint::~ConnectionPoint() {
    unadviseAll();
}

HRESULT ConnectionPoint::QueryInterface(REFIID riid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (riid == IID_IUnknown || riid == IID_IConnectionPoint) {
        *object = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ConnectionPoint::AddRef() {
    return container_.AddRef();
}

ULONG ConnectionPoint::Release() {
    return container_.Release();
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* events) {
    if (events == nullptr) {
        return E_POINTER;
    }
    *events = events_;
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (container == nullptr) {
        return E_POINTER;
    }
    container_.AddRef();
    *container = &container_;
    return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (cookie == nullptr) {
        return E_POINTER;
    }
    *cookie = 0;
    if (sink == nullptr) {
        return E_POINTER;
    }
    void* dispatch = nullptr;
    if (FAILED(sink->QueryInterface(events_, &dispatch)) &&
        FAILED(sink->QueryInterface(IID_IDispatch, &dispatch))) {
        return CONNECT_E_CANNOTCONNECT;
    }
    const std::lock_guard lock(mutex_);
    *cookie = nextCookie_++;
    sinks_.push_back(Sink{*cookie, static_cast<IDispatch*>(dispatch)});
    return S_OK;
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) {
    IDispatch* released = nullptr;
    {
        const std::lock_guard lock(mutex_);
        const auto it = std::find_if(sinks_.begin(), sinks_.end(),
                                     [cookie](const Sink& s) { return s.cookie == cookie; });
        if (it == sinks_.end()) {
            return CONNECT_E_NOCONNECTION;
        }
        released = it->dispatch;
        sinks_.erase(it);
    }
    released->Release(); // outside the lock: the sink may call back
    return S_OK;
}

HRESULT ConnectionPoint::EnumConnections(IEnumConnections** connections) {
    if (connections == nullptr) {
        return E_POINTER;
    }
    std::vector<CONNECTDATA> snapshot;
    {
        const std::lock_guard lock(mutex_);
        for (const Sink& s : sinks_) {
            snapshot.push_back(CONNECTDATA{s.dispatch, s.cookie});
        }
    }
    *connections = new ConnectionEnumerator(std::move(snapshot));
    return S_OK;
}

void ConnectionPoint::fire(DISPID id, VARIANT* args, UINT count) {
    std::vector<IDispatch*> targets;
    {
        const std::lock_guard lock(mutex_);
        targets.reserve(sinks_.size());
        for (const Sink& s : sinks_) {
            s.dispatch->AddRef();
            targets.push_back(s.dispatch);
        }
    }
    if (targets.empty()) {
        return;
    }
    // DISPPARAMS carry the arguments last first.
    std::array<VARIANT, 8> inlineReversed{};
    std::vector<VARIANT> heapReversed;
    VARIANT* reversed = inlineReversed.data();
    if (count > inlineReversed.size()) {
        heapReversed.resize(count);
        reversed = heapReversed.data();
    }
    for (UINT i = 0; i < count; ++i) {
        reversed[count - 1 - i] = args[i];
    }
    for (IDispatch* target : targets) {
        DISPPARAMS params{count > 0 ? reversed : nullptr, nullptr, count, 0};
        VARIANT result;
        VariantInit(&result);
        EXCEPINFO exception{};
        target->Invoke(id, GUID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result,
                       &exception, nullptr);
        VariantClear(&result);
        clearExcepInfo(&exception);
        target->Release();
    }
}

void ConnectionPoint::unadviseAll() {
    std::vector<Sink> dropped;
    {
        const std::lock_guard lock(mutex_);
        dropped.swap(sinks_);
    }
    for (const Sink& s : dropped) {
        s.dispatch->Release();
    }
}

std::size_t ConnectionPoint::sinkCount() const {
    const std::lock_guard lock(mutex_);
    return sinks_.size();
}

} // namespace velox::com
