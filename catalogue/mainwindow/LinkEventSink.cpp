#include "catalogue/mainwindow/LinkEventSink.h"

#include "platform/com/Guid.h"
#include "platform/com/Variant.h"
#include "platform/com/interfaces/ConnectionPoints.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMetaObject>
#include <exception>

namespace veloxcd {

using namespace velox::com;

namespace {

const IID& eventsInterface() {
    static const IID iid = *guidFromString(QString::fromLatin1(LinkEventSink::eventsIid));
    return iid;
}

bool handled(DISPID id) {
    switch (id) {
    case LinkEventSink::OnConnectId:
    case LinkEventSink::OnCopyFileId:
    case LinkEventSink::OnDisconnectId:
    case LinkEventSink::OnCopyProgressId:
    case LinkEventSink::OnGetFileInfoId:
        return true;
    default:
        return false;
    }
}

// A whole-number argument as the event declares it, converted as automation
// converts; nothing when it is not one.
std::optional<qint32> number(const VARIANT& argument) {
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeType(&converted, &argument, 0, VT_I4))) {
        VariantClear(&converted);
        return std::nullopt;
    }
    return converted.lVal;
}

// The Cancel argument: a BOOL by reference (or a VARIANT by reference holding
// one).
VARIANT_BOOL* cancelOf(const VARIANT& argument) {
    if (argument.vt == (VT_BOOL | VT_BYREF)) {
        return argument.pboolVal;
    }
    if (argument.vt == (VT_VARIANT | VT_BYREF) && argument.pvarVal != nullptr &&
        argument.pvarVal->vt == VT_BOOL) {
        return &argument.pvarVal->boolVal;
    }
    return nullptr;
}

} // namespace

ComPtr<LinkEventSink> LinkEventSink::create(LinkEventHandlers handlers) {
    return ComPtr<LinkEventSink>::attach(new LinkEventSink(std::move(handlers)));
}

LinkEventSink::LinkEventSink(LinkEventHandlers handlers) : handlers_(std::move(handlers)) {
    receiver_ = new LinkEventReceiver(*this);
}

LinkEventSink::~LinkEventSink() = default;

bool LinkEventSink::advise(IDispatch* control) {
    if (control == nullptr || cookie_ != 0) {
        return false;
    }
    ComPtr<IConnectionPointContainer> container;
    if (FAILED(control->QueryInterface(IID_IConnectionPointContainer, container.putVoid()))) {
        return false;
    }
    ComPtr<IConnectionPoint> point;
    if (FAILED(container->FindConnectionPoint(eventsInterface(), point.put()))) {
        return false;
    }
    DWORD cookie = 0;
    if (FAILED(point->Advise(static_cast<IDispatch*>(this), &cookie))) {
        return false;
    }
    cookie_ = cookie;
    point_ = ComPtr<IUnknown>(point.get());
    return true;
}

void LinkEventSink::detach() {
    LinkEventReceiver* receiver = nullptr;
    {
        const std::lock_guard lock(mutex_);
        receiver = std::exchange(receiver_, nullptr);
        // Whatever has not reached the window never will: let its firing go.
        for (const std::shared_ptr<Pending>& event : queue_) {
            event->finished = true;
        }
        queue_.clear();
    }
    finished_.notify_all();
    if (cookie_ != 0) {
        if (const auto point = point_.as<IConnectionPoint>()) {
            point->Unadvise(cookie_);
        }
        cookie_ = 0;
        point_.reset();
    }
    if (receiver != nullptr) {
        // Inside a handler the receiver is still on the stack: it goes later.
        if (running_ > 0) {
            receiver->deleteLater();
        } else {
            delete receiver; // may release the sink's last reference
        }
    }
}

std::size_t LinkEventSink::waiting() const {
    const std::lock_guard lock(mutex_);
    return queue_.size();
}

void* LinkEventSink::findInterface(REFIID riid) {
    return riid == eventsInterface() ? static_cast<IDispatch*>(this)
                                     : ComObject::findInterface(riid);
}

HRESULT LinkEventSink::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT LinkEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** typeInfo) {
    if (typeInfo != nullptr) {
        *typeInfo = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT LinkEventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT LinkEventSink::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                              EXCEPINFO*, UINT*) {
    if (!handled(member)) {
        return S_OK;
    }
    // The arguments come last first: OnCopyProgress (Percent, Cancel), the
    // others (Error).
    const UINT expected = member == OnCopyProgressId ? 2 : 1;
    if (params == nullptr || params->cArgs != expected || params->rgvarg == nullptr) {
        return DISP_E_BADPARAMCOUNT;
    }
    const std::optional<qint32> value = number(params->rgvarg[expected - 1]);
    VARIANT_BOOL* cancel = member == OnCopyProgressId ? cancelOf(params->rgvarg[0]) : nullptr;
    if (!value || (member == OnCopyProgressId && cancel == nullptr)) {
        return DISP_E_TYPEMISMATCH;
    }

    const auto event = std::make_shared<Pending>();
    {
        std::unique_lock lock(mutex_);
        if (receiver_ == nullptr) {
            return S_OK; // the window is going: nobody listens
        }
        event->id = member;
        event->value = *value;
        event->cancel = cancel != nullptr && *cancel != VARIANT_FALSE;
        if (std::this_thread::get_id() == windowThread_) {
            // Fired on the window's own thread: run it here and now.
            lock.unlock();
            ++running_;
            run(*event);
            --running_;
        } else {
            queue_.push_back(event);
            QMetaObject::invokeMethod(receiver_, "drain", Qt::QueuedConnection);
            finished_.wait(lock, [&] { return event->finished; });
        }
    }
    if (cancel != nullptr) {
        const std::lock_guard lock(mutex_);
        *cancel = event->cancel ? VARIANT_TRUE : VARIANT_FALSE;
    }
    return S_OK;
}

void LinkEventSink::run(Pending& event) const {
    // A handler's failure stays in the window: the firing thread only learns
    // that the event was taken.
    try {
        switch (event.id) {
        case OnConnectId:
            if (handlers_.onConnect) {
                handlers_.onConnect(event.value);
            }
            break;
        case OnDisconnectId:
            if (handlers_.onDisconnect) {
                handlers_.onDisconnect(event.value);
            }
            break;
        case OnGetFileInfoId:
            if (handlers_.onGetFileInfo) {
                handlers_.onGetFileInfo(event.value);
            }
            break;
        case OnCopyFileId:
            if (handlers_.onCopyFile) {
                handlers_.onCopyFile(event.value);
            }
            break;
        case OnCopyProgressId:
            if (handlers_.onCopyProgress) {
                bool cancel = event.cancel;
                handlers_.onCopyProgress(static_cast<qint16>(event.value), cancel);
                event.cancel = cancel;
            }
            break;
        default:
            break;
        }
    } catch (const std::exception& error) {
        qWarning() << "link event" << event.id << "failed:" << error.what();
    } catch (...) {
        qWarning() << "link event" << event.id << "failed";
    }
}

void LinkEventSink::drain() {
    for (;;) {
        std::shared_ptr<Pending> event;
        Pending copy;
        {
            const std::lock_guard lock(mutex_);
            if (queue_.empty() || receiver_ == nullptr) {
                return;
            }
            event = queue_.front();
            queue_.pop_front();
            copy = *event;
        }
        ++running_;
        run(copy);
        --running_;
        {
            const std::lock_guard lock(mutex_);
            event->cancel = copy.cancel;
            event->finished = true;
        }
        finished_.notify_all();
    }
}

void LinkEventReceiver::drain() {
    sink_->drain();
}

} // namespace veloxcd
