#pragma once

// An event sink for the link controls' events that may be called on any
// thread: it records each event (DISPID, arguments as text, thread) and
// answers a Cancel argument with a value the test chooses.

#include "platform/com/interfaces/Dispatch.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace velox::test {

struct RecordedEvent {
    com::DISPID id;
    QStringList args; // declared order; numbers in decimal, texts as they are
    std::thread::id thread;
};

class EventSink final : public com::IDispatch {
public:
    explicit EventSink(const com::IID& events) : events_(events) {}
    EventSink(const EventSink&) = delete;
    EventSink& operator=(const EventSink&) = delete;
    virtual ~EventSink() = default;

    com::HRESULT QueryInterface(com::REFIID riid, void** object) override;
    com::ULONG AddRef() override { return ++refs_; }
    com::ULONG Release() override { return --refs_; }
    com::HRESULT GetTypeInfoCount(com::UINT* count) override;
    com::HRESULT GetTypeInfo(com::UINT, com::LCID, com::ITypeInfo**) override;
    com::HRESULT GetIDsOfNames(com::REFIID, com::LPOLESTR*, com::UINT, com::LCID,
                               com::DISPID*) override;
    com::HRESULT Invoke(com::DISPID id, com::REFIID riid, com::LCID lcid, com::WORD flags,
                        com::DISPPARAMS* params, com::VARIANT* result, com::EXCEPINFO* exception,
                        com::UINT* argumentError) override;

    // The answer written into every by-reference Cancel argument.
    void answerCancel(bool cancel) { cancel_ = cancel; }

    [[nodiscard]] std::vector<RecordedEvent> events() const;
    // Waits until `count` events with this DISPID have come (true) or the
    // time is up.
    bool waitFor(com::DISPID id, int count = 1,
                 std::chrono::milliseconds timeout = std::chrono::seconds(20));
    // The arguments of the n-th event with this DISPID (1-based), waiting
    // for it; "(no event)" when it does not come.
    QStringList nth(com::DISPID id, int n = 1);
    // References the sink holds from others (the connection point's).
    [[nodiscard]] com::ULONG references() const { return refs_; }

private:
    com::IID events_;
    std::atomic<com::ULONG> refs_{0};
    std::atomic<bool> cancel_{false};
    mutable std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<RecordedEvent> events_list_;
};

} // namespace velox::test
