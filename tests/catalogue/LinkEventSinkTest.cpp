// The window's sink for the link control's events, fired from a thread of its
// own as the engine's worker fires them.

#include "catalogue/mainwindow/LinkEventSink.h"

#include "platform/com/Bstr.h"
#include "platform/com/ConnectionPointContainerImpl.h"
#include "platform/com/Guid.h"
#include "platform/com/Variant.h"
#include "support/WaitFor.h"

#include <QCoreApplication>
#include <QTest>
#include <atomic>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using namespace velox::com;
using veloxcd::LinkEventHandlers;
using veloxcd::LinkEventSink;

// What the handlers saw, in order, with the thread each ran on.
struct Seen {
    std::mutex mutex;
    std::vector<std::pair<QString, std::thread::id>> calls;

    void add(const QString& call) {
        const std::lock_guard lock(mutex);
        calls.emplace_back(call, std::this_thread::get_id());
    }
    std::vector<QString> names() {
        const std::lock_guard lock(mutex);
        std::vector<QString> result;
        for (const auto& call : calls) {
            result.push_back(call.first);
        }
        return result;
    }
};

LinkEventHandlers recordingHandlers(Seen& seen, bool cancelAnswer = false) {
    LinkEventHandlers handlers;
    handlers.onConnect = [&seen](qint32 e) { seen.add(QStringLiteral("connect %1").arg(e)); };
    handlers.onDisconnect = [&seen](qint32 e) { seen.add(QStringLiteral("disconnect %1").arg(e)); };
    handlers.onGetFileInfo = [&seen](qint32 e) { seen.add(QStringLiteral("info %1").arg(e)); };
    handlers.onCopyFile = [&seen](qint32 e) { seen.add(QStringLiteral("copy %1").arg(e)); };
    handlers.onCopyProgress = [&seen, cancelAnswer](qint16 percent, bool& cancel) {
        seen.add(QStringLiteral("progress %1 %2").arg(percent).arg(cancel));
        cancel = cancelAnswer;
    };
    return handlers;
}

// Fires one event as a connection point does: arguments last first.
HRESULT fire(IDispatch& sink, DISPID id, std::vector<VARIANT> declared) {
    std::vector<VARIANT> reversed(declared.rbegin(), declared.rend());
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    return sink.Invoke(id, GUID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
}

VARIANT i4(LONG value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

VARIANT i2(SHORT value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I2;
    v.iVal = value;
    return v;
}

VARIANT boolRef(VARIANT_BOOL* value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BOOL | VT_BYREF;
    v.pboolVal = value;
    return v;
}

TEST(LinkEventSink, WorkerEventsRunOnTheWindowThreadInOrderAndCancelComesBack) {
    Seen seen;
    auto sink = LinkEventSink::create(recordingHandlers(seen, true));
    std::atomic<bool> workerDone{false};
    std::vector<HRESULT> results;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    std::vector<QString> seenWhenProgressReturned;
    std::thread worker([&] {
        results.push_back(fire(*sink.get(), LinkEventSink::OnConnectId, {i4(0)}));
        results.push_back(fire(*sink.get(), 7, {i4(1)})); // an event the window does not handle
        results.push_back(
            fire(*sink.get(), LinkEventSink::OnCopyProgressId, {i2(50), boolRef(&cancel)}));
        // The firing waited for the handler.
        seenWhenProgressReturned = seen.names();
        results.push_back(fire(*sink.get(), LinkEventSink::OnGetFileInfoId, {i4(2)}));
        results.push_back(fire(*sink.get(), LinkEventSink::OnCopyFileId, {i4(33)}));
        results.push_back(fire(*sink.get(), LinkEventSink::OnDisconnectId, {i4(0)}));
        workerDone = true;
    });
    ASSERT_TRUE(velox::test::waitFor([&] { return workerDone.load(); }, 10000));
    worker.join();

    EXPECT_EQ(results, std::vector<HRESULT>(6, S_OK));
    EXPECT_EQ(cancel, VARIANT_TRUE);
    EXPECT_EQ(seenWhenProgressReturned, std::vector<QString>({"connect 0", "progress 50 0"}));
    EXPECT_EQ(seen.names(), std::vector<QString>({"connect 0", "progress 50 0", "info 2", "copy 33",
                                                  "disconnect 0"}));
    for (const auto& call : seen.calls) {
        EXPECT_EQ(call.second, std::this_thread::get_id()) << call.first.toStdString();
    }
    sink->detach();
}

TEST(LinkEventSink, ArgumentsAreConvertedOrRefused) {
    Seen seen;
    auto sink = LinkEventSink::create(recordingHandlers(seen));
    VARIANT_BOOL cancel = VARIANT_TRUE;
    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = bstrFromQString(QStringLiteral("12"));
    VARIANT word;
    VariantInit(&word);
    word.vt = VT_BSTR;
    word.bstrVal = bstrFromQString(QStringLiteral("twelve"));

    // On the window's own thread the handler runs at once.
    EXPECT_EQ(fire(*sink.get(), LinkEventSink::OnCopyProgressId, {text, boolRef(&cancel)}), S_OK);
    EXPECT_EQ(cancel, VARIANT_FALSE); // the handler's answer replaced the caller's
    EXPECT_EQ(fire(*sink.get(), LinkEventSink::OnConnectId, {i2(1121)}), S_OK);
    EXPECT_EQ(fire(*sink.get(), LinkEventSink::OnConnectId, {}), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(fire(*sink.get(), LinkEventSink::OnConnectId, {i4(1), i4(2)}), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(fire(*sink.get(), LinkEventSink::OnCopyFileId, {word}), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(fire(*sink.get(), LinkEventSink::OnCopyProgressId, {i2(5), i4(0)}),
              DISP_E_TYPEMISMATCH);
    EXPECT_EQ(seen.names(), std::vector<QString>({"progress 12 1", "connect 1121"}));
    VariantClear(&text);
    VariantClear(&word);
    sink->detach();
}

TEST(LinkEventSink, DetachLetsAWaitingWorkerGoAndNoHandlerRunsAfterIt) {
    Seen seen;
    auto sink = LinkEventSink::create(recordingHandlers(seen));
    std::atomic<bool> fired{false};
    HRESULT result = E_FAIL;
    std::thread worker([&] {
        result = fire(*sink.get(), LinkEventSink::OnGetFileInfoId, {i4(0)});
        fired = true;
    });
    // The window's thread does not look at its events until it has detached:
    // the worker waits, then is let go without the handler.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (sink->waiting() == 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::yield();
    }
    EXPECT_EQ(sink->waiting(), 1U);
    EXPECT_FALSE(fired);
    sink->detach();
    worker.join();
    EXPECT_EQ(result, S_OK);
    QCoreApplication::processEvents();
    EXPECT_TRUE(seen.names().empty());
    EXPECT_EQ(fire(*sink.get(), LinkEventSink::OnConnectId, {i4(0)}), S_OK);
    EXPECT_TRUE(seen.names().empty());
}

// A small object with the control's event interface, on the stack.
class EventSource final : public IDispatch, public ConnectionPointContainerImpl {
public:
    EventSource() { addConnectionPoint(events); }
    EventSource(const EventSource&) = delete;
    EventSource& operator=(const EventSource&) = delete;
    virtual ~EventSource() = default;

    HRESULT QueryInterface(REFIID riid, void** object) override {
        if (riid == IID_IUnknown || riid == IID_IDispatch) {
            *object = static_cast<IDispatch*>(this);
        } else if (riid == IID_IConnectionPointContainer) {
            *object = static_cast<IConnectionPointContainer*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        return S_OK;
    }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return DISP_E_MEMBERNOTFOUND;
    }

    ConnectionPoint events{*this, *guidFromString(QString::fromLatin1(LinkEventSink::eventsIid))};
};

TEST(LinkEventSink, AdvisesOnTheControlsEventsAndUnadvisesWhenDetached) {
    Seen seen;
    EventSource source;
    auto sink = LinkEventSink::create(recordingHandlers(seen));
    ASSERT_TRUE(sink->advise(&source));
    EXPECT_FALSE(sink->advise(&source)); // once is enough
    EXPECT_EQ(source.events.sinkCount(), 1U);

    std::atomic<bool> done{false};
    VARIANT_BOOL cancel = VARIANT_FALSE;
    std::thread worker([&] {
        VARIANT error = i4(2250);
        source.events.fire(LinkEventSink::OnConnectId, &error, 1);
        VARIANT progress[2] = {i2(100), boolRef(&cancel)};
        source.events.fire(LinkEventSink::OnCopyProgressId, progress, 2);
        done = true;
    });
    ASSERT_TRUE(velox::test::waitFor([&] { return done.load(); }, 10000));
    worker.join();
    EXPECT_EQ(seen.names(), std::vector<QString>({"connect 2250", "progress 100 0"}));

    sink->detach();
    EXPECT_EQ(source.events.sinkCount(), 0U);
    VARIANT error = i4(0);
    source.events.fire(LinkEventSink::OnConnectId, &error, 1);
    EXPECT_EQ(seen.names().size(), 2U);

    // Something without the events is refused.
    auto other = LinkEventSink::create(recordingHandlers(seen));
    EXPECT_FALSE(other->advise(nullptr));
    other->detach();
}

} // namespace
