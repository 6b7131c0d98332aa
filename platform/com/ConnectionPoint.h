#pragma once

// One event interface of an object: keeps the advised sinks with their
// cookies and fires an event to every one of them through IDispatch::Invoke.
// It lives inside its container object and shares that object's reference
// count. fire() may be called from any thread; sinks may advise and
// unadvise meanwhile (each firing works on a snapshot of the sinks).

#include "platform/com/interfaces/ConnectionPoints.h"
#include "platform/com/interfaces/Dispatch.h"

#include <mutex>
#include <vector>

namespace velox::com {

class ConnectionPoint final : public IConnectionPoint {
public:
    ConnectionPoint(IConnectionPointContainer& container, const IID& events);
    ~ConnectionPoint();
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;

    HRESULT GetConnectionInterface(IID* events) override;
    HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) override;
    // Takes the sink's event interface (or IDispatch) and hands out a
    // cookie, counting from 1.
    HRESULT Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT Unadvise(DWORD cookie) override;
    HRESULT EnumConnections(IEnumConnections** connections) override;

    // Fires event `id` with `count` arguments in declared order (by-reference
    // arguments carry the sinks' answers back) to every advised sink, in
    // the order they advised. Sinks' failures are not reported.
    void fire(DISPID id, VARIANT* args, UINT count);
    // Drops every sink (the container calls this when it closes).
    void unadviseAll();

    [[nodiscard]] const IID& events() const { return events_; }
    [[nodiscard]] std::size_t sinkCount() const;

private:
    struct Sink {
        DWORD cookie;
        IDispatch* dispatch;
    };

    IConnectionPointContainer& container_;
    IID events_;
    mutable std::mutex mutex_;
    std::vector<Sink> sinks_;
    DWORD nextCookie_ = 1;
};

} // namespace velox::com
