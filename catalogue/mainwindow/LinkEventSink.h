#pragma once

#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "platform/com/interfaces/Dispatch.h"

#include <QObject>
#include <QtGlobal>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace veloxcd {

// What the window does with the link control's events. Each runs on the
// thread that made the sink (the window's); an empty one ignores its event.
struct LinkEventHandlers {
    std::function<void(qint32 error)> onConnect;
    std::function<void(qint32 error)> onDisconnect;
    std::function<void(qint32 error)> onGetFileInfo;
    std::function<void(qint32 error)> onCopyFile;
    std::function<void(qint16 percent, bool& cancel)> onCopyProgress;
};

class LinkEventReceiver;

// The window's sink for the link control's events (`_DTandemEngEvents`). The
// control fires them on the engine's worker thread; the sink hands each one to
// the window's thread and waits until its handler has run, as a call into
// another apartment waits, so the events keep their order and Cancel carries
// the handler's answer back. Events the window does not handle are received
// and answered at once.
//
// The sink is reference counted like any COM object and may outlive the
// window in a firing still under way; detach() cuts it off: afterwards no
// handler runs and a worker waiting for the window is let go.
class LinkEventSink final : public velox::com::ComObject<LinkEventSink, velox::com::IDispatch> {
public:
    static constexpr const char* eventsIid = "{3C476932-F450-11CF-885E-0020AFC04E78}";
    static constexpr velox::com::DISPID OnConnectId = 2;
    static constexpr velox::com::DISPID OnCopyFileId = 3;
    static constexpr velox::com::DISPID OnDisconnectId = 4;
    static constexpr velox::com::DISPID OnCopyProgressId = 5;
    static constexpr velox::com::DISPID OnGetFileInfoId = 19;

    // A sink delivering to `handlers` on the calling thread.
    static velox::com::ComPtr<LinkEventSink> create(LinkEventHandlers handlers);

    // Advises the sink on the events of `control`; false when the control has
    // no such connection point or refuses.
    bool advise(velox::com::IDispatch* control);
    // Stops delivering, lets waiting workers go and unadvises. Call it on the
    // window's thread before the control is released; calling it again does
    // nothing.
    void detach();
    [[nodiscard]] bool advised() const { return cookie_ != 0; }
    // How many firings wait for the window's thread to take their event.
    [[nodiscard]] std::size_t waiting() const;

    // IUnknown: IDispatch, also as the control's event interface.
    void* findInterface(velox::com::REFIID riid);
    // IDispatch: the events come by DISPID; there are no names or type
    // information.
    velox::com::HRESULT GetTypeInfoCount(velox::com::UINT* count) override;
    velox::com::HRESULT GetTypeInfo(velox::com::UINT index, velox::com::LCID lcid,
                                    velox::com::ITypeInfo** typeInfo) override;
    velox::com::HRESULT GetIDsOfNames(velox::com::REFIID riid, velox::com::LPOLESTR* names,
                                      velox::com::UINT count, velox::com::LCID lcid,
                                      velox::com::DISPID* dispids) override;
    velox::com::HRESULT Invoke(velox::com::DISPID member, velox::com::REFIID riid,
                               velox::com::LCID lcid, velox::com::WORD flags,
                               velox::com::DISPPARAMS* params, velox::com::VARIANT* result,
                               velox::com::EXCEPINFO* exception,
                               velox::com::UINT* argumentError) override;

    // One event on its way to the window, shared by the firing thread and the
    // window's thread under the sink's lock.
    struct Pending {
        velox::com::DISPID id = 0;
        qint32 value = 0; // Error or Percent
        bool cancel = false;
        bool finished = false; // the handler ran, or the sink was cut off
    };

private:
    friend class LinkEventReceiver;

    explicit LinkEventSink(LinkEventHandlers handlers);
    ~LinkEventSink() override;

    void run(Pending& event) const;
    // On the window's thread: runs the queued events in order.
    void drain();

    LinkEventHandlers handlers_;
    const std::thread::id windowThread_ = std::this_thread::get_id();
    velox::com::ComPtr<velox::com::IUnknown> point_; // the connection point advised
    velox::com::DWORD cookie_ = 0;

    mutable std::mutex mutex_;
    std::condition_variable finished_;
    std::deque<std::shared_ptr<Pending>> queue_;
    LinkEventReceiver* receiver_ = nullptr; // null once detached
    int running_ = 0;                       // handlers under way (window's thread)
};

// The sink's foothold on the window's thread: queued calls to drain() run the
// events there.
class LinkEventReceiver : public QObject {
    Q_OBJECT
public:
    explicit LinkEventReceiver(LinkEventSink& sink) : sink_(&sink) {}
    Q_INVOKABLE void drain();

private:
    // Keeps the sink until it detaches (which deletes the receiver).
    velox::com::ComPtr<LinkEventSink> sink_;
};

} // namespace veloxcd
