#pragma once

// The IConnectionPointContainer methods of an object with connection
// points: FindConnectionPoint by event-interface IID over the points the
// object adds. The object implements IUnknown itself. EnumConnectionPoints
// is not offered (E_NOTIMPL); hosts find points by IID.

#include "platform/com/ConnectionPoint.h"

#include <vector>

namespace velox::com {

class ConnectionPointContainerImpl : public IConnectionPointContainer {
public:
    HRESULT EnumConnectionPoints(IEnumConnectionPoints** points) override;
    HRESULT FindConnectionPoint(REFIID riid, IConnectionPoint** point) override;

protected:
    ConnectionPointContainerImpl() = default;
    ~ConnectionPointContainerImpl() = default;
    ConnectionPointContainerImpl(const ConnectionPointContainerImpl&) = delete;
    ConnectionPointContainerImpl& operator=(const ConnectionPointContainerImpl&) = delete;

    // Points live as long as the object; add each once, at construction.
    void addConnectionPoint(ConnectionPoint& point) { points_.push_back(&point); }

private:
    std::vector<ConnectionPoint*> points_;
};

} // namespace velox::com
