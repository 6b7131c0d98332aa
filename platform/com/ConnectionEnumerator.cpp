#include "platform/com/ConnectionEnumerator.h"

namespace velox::com {

ConnectionEnumerator::ConnectionEnumerator(std::vector<CONNECTDATA> connections)
    : connections_(std::move(connections)) {
    for (const CONNECTDATA& c : connections_) {
        c.pUnk->AddRef();
    }
}

ConnectionEnumerator::~ConnectionEnumerator() {
    for (const CONNECTDATA& c : connections_) {
        c.pUnk->Release();
    }
}

HRESULT ConnectionEnumerator::QueryInterface(REFIID riid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (riid == IID_IUnknown || riid == IID_IEnumConnections) {
        *object = static_cast<IEnumConnections*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ConnectionEnumerator::AddRef() {
    return ++refs_;
}

ULONG ConnectionEnumerator::Release() {
    const ULONG left = --refs_;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT ConnectionEnumerator::Next(ULONG count, CONNECTDATA* items, ULONG* fetched) {
    if (items == nullptr || (count > 1 && fetched == nullptr)) {
        return E_POINTER;
    }
    ULONG given = 0;
    while (given < count && position_ < connections_.size()) {
        items[given] = connections_[position_++];
        items[given].pUnk->AddRef(); // the caller releases what it gets
        ++given;
    }
    if (fetched != nullptr) {
        *fetched = given;
    }
    return given == count ? S_OK : S_FALSE;
}

HRESULT ConnectionEnumerator::Skip(ULONG count) {
    const std::size_t left = connections_.size() - position_;
    if (count > left) {
        position_ = connections_.size();
        return S_FALSE;
    }
    position_ += count;
    return S_OK;
}

HRESULT ConnectionEnumerator::Reset() {
    position_ = 0;
    return S_OK;
}

HRESULT ConnectionEnumerator::Clone(IEnumConnections** copy) {
    if (copy == nullptr) {
        return E_POINTER;
    }
    auto* clone = new ConnectionEnumerator(connections_);
    clone->position_ = position_;
    *copy = clone;
    return S_OK;
}

} // namespace velox::com
