#pragma once

// IEnumConnections over a snapshot of a connection point's sinks.

#include "platform/com/ConnectionPoints.h"

#include <atomic>
#include <vector>

namespace velox::com {

class ConnectionEnumerator final : public IEnumConnections {
public:
    // Takes a reference on each sink of `connections`.
    explicit ConnectionEnumerator(std::vector<CONNECTDATA> connections);
    ConnectionEnumerator(const ConnectionEnumerator&) = delete;
    ConnectionEnumerator& operator=(const ConnectionEnumerator&) = delete;

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;

    HRESULT Next(ULONG count, CONNECTDATA* items, ULONG* fetched) override;
    HRESULT Skip(ULONG count) override;
    HRESULT Reset() override;
    HRESULT Clone(IEnumConnections** copy) override;

private:
    ~ConnectionEnumerator();

    std::atomic<ULONG> refs_{1};
    std::vector<CONNECTDATA> connections_;
    std::size_t position_ = 0;
};

} // namespace velox::com
