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
