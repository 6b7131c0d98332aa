#pragma once

// IEnumConnections over a snapshot of a connection point's sinks.

#include "platform/com/ComObject.h"
#include "platform/com/interfaces/ConnectionPoints.h"

#include <vector>

namespace velox::com {

class ConnectionEnumerator final : public ComObject<ConnectionEnumerator, IEnumConnections> {
public:
    // Takes a reference on each sink of `connections`.
    explicit ConnectionEnumerator(std::vector<CONNECTDATA> connections);
    HRESULT Next(ULONG count, CONNECTDATA* items, ULONG* fetched) override;
    HRESULT Skip(ULONG count) override;
    HRESULT Reset() override;
    HRESULT Clone(IEnumConnections** copy) override;

private:
    ~ConnectionEnumerator() override;

    std::vector<CONNECTDATA> connections_;
    std::size_t position_ = 0;
};

} // namespace velox::com
