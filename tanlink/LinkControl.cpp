#include "tanlink/LinkControl.h"

#include "tanlink/CFSinfo.h"
#include "tanlink/CFSinfoS.h"
#include "tanlink/CTanlinkCtrl.h"
#include "tanlink/CTanlinkCtrlS.h"

#include <QPainter>
#include <cstring>

// The bodies of what the link controls share, made for both controls at the
// end.

namespace velox::tanlink {

using com::BSTR;
using com::HRESULT;
using com::LONG;
using com::SHORT;

template <typename Derived, typename Engine, typename Callback>
HRESULT LinkControl<Derived, Engine, Callback>::GetClassInfo(com::ITypeInfo** typeInfo) {
    if (typeInfo != nullptr) {
        *typeInfo = nullptr;
    }
    return com::E_NOTIMPL;
}

template <typename Derived, typename Engine, typename Callback>
HRESULT LinkControl<Derived, Engine, Callback>::GetGUID(com::DWORD kind, com::GUID* guid) {
    if (guid == nullptr) {
        return com::E_POINTER;
    }
    if (kind != com::GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
        *guid = com::GUID_NULL;
        return com::E_INVALIDARG;
    }
    *guid = Derived::eventsIid;
    return com::S_OK;
}

template <typename Derived, typename Engine, typename Callback>
LONG LinkControl<Derived, Engine, Callback>::Init() {
    releaseEngine();
    callback_ = com::ComPtr<Callback>::attach(Callback::create());
    callback_->attach(static_cast<Derived*>(this));
    const HRESULT created = com::CoCreateInstance(
        Derived::engineClass, nullptr, com::CLSCTX_INPROC_SERVER, Engine::iid, engine_.putVoid());
    if (com::FAILED(created)) {
        engine_.reset();
        return created;
    }
    using CallbackInterface = typename Callback::CallbackInterface;
    com::ComPtr<CallbackInterface> iface = callback_.template as<CallbackInterface>();
    const LONG code = engine_->Init(iface.get());
    ready_ = code == kOk;
    return code;
}

template <typename Derived, typename Engine, typename Callback>
LONG LinkControl<Derived, Engine, Callback>::Connect(LONG timeOutMiliseconds) {
    Engine* e = engine();
    return e != nullptr ? e->Connect(timeOutMiliseconds) : com::CO_E_NOTINITIALIZED;
}

template <typename Derived, typename Engine, typename Callback>
LONG LinkControl<Derived, Engine, Callback>::Disconnect() {
    if (engine_) {
        engine_->Disconnect();
    }
    return 0;
}

template <typename Derived, typename Engine, typename Callback>
LONG LinkControl<Derived, Engine, Callback>::MachineSyncTime() {
    Engine* e = engine();
    return e != nullptr ? e->MachineSyncTime() : com::CO_E_NOTINITIALIZED;
}

template <typename Derived, typename Engine, typename Callback>
SHORT LinkControl<Derived, Engine, Callback>::MatchWildcard(BSTR fileName, BSTR wildcard,
                                                            SHORT ignoreCase) {
    Engine* e = requireEngine();
    const QByteArray name = ansi(fileName);
    const QByteArray pattern = ansi(wildcard);
    com::BOOL result = com::FALSE;
    e->MatchWildcard(name.constData(), pattern.constData(),
                     ignoreCase != 0 ? com::TRUE : com::FALSE, &result);
    return result != com::FALSE ? com::VARIANT_TRUE : com::VARIANT_FALSE;
}

template <typename Derived, typename Engine, typename Callback>
LONG LinkControl<Derived, Engine, Callback>::SetConfiguration(LONG baud, LONG port) {
    return answerOf([&](Engine* e, LONG* result) { e->SetConfiguration(result, baud, port); });
}

template <typename Derived, typename Engine, typename Callback>
LONG LinkControl<Derived, Engine, Callback>::GetConfiguration(LONG* baud, LONG* port) {
    return answerOf([&](Engine* e, LONG* result) { e->GetConfiguration(result, baud, port); });
}

template <typename Derived, typename Engine, typename Callback>
LONG LinkControl<Derived, Engine, Callback>::ReadConfig(SHORT fromMachine, SHORT toMachine,
                                                        BSTR fileName) {
    return withPath(toMachine, fileName, [fromMachine](Engine* e, MachinePathRecord& rec) {
        return e->ReadConfig(fromMachine, &rec);
    });
}

template <typename Derived, typename Engine, typename Callback>
void LinkControl<Derived, Engine, Callback>::OnDraw(QPainter* painter, const QRect& bounds) const {
    if (painter == nullptr) {
        return;
    }
    painter->save();
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    painter->drawImage(bounds, resourceBitmap(Derived::bitmapId));
    painter->restore();
}

template <typename Derived, typename Engine, typename Callback>
bool LinkControl<Derived, Engine, Callback>::DoPropExchange(PropExchange& px) {
    com::DWORD version = kPropertyVersion;
    com::LONG cx = extentWidth_;
    com::LONG cy = extentHeight_;
    if (!px.exchange(version) || !px.exchange(cx) || !px.exchange(cy)) {
        return false;
    }
    if (px.isLoading()) {
        loadedVersion_ = version;
        extentWidth_ = cx;
        extentHeight_ = cy;
    }
    return true;
}

template <typename Derived, typename Engine, typename Callback>
void LinkControl<Derived, Engine, Callback>::setExtent(QSize himetric) {
    extentWidth_ = himetric.width();
    extentHeight_ = himetric.height();
}

template <typename Derived, typename Engine, typename Callback>
LinkControl<Derived, Engine, Callback>::LinkControl() : events_(*this, Derived::eventsIid) {
    this->addConnectionPoint(events_);
    moduleLock().lock();
}

template <typename Derived, typename Engine, typename Callback>
LinkControl<Derived, Engine, Callback>::~LinkControl() {
    releaseEngine();
    events_.unadviseAll();
    this->releaseSite();
    moduleLock().unlock();
}

template <typename Derived, typename Engine, typename Callback>
Engine* LinkControl<Derived, Engine, Callback>::requireEngine() const {
    Engine* e = engine();
    if (e == nullptr) {
        throw com::ComError(com::CO_E_NOTINITIALIZED);
    }
    return e;
}

template <typename Derived, typename Engine, typename Callback>
void LinkControl<Derived, Engine, Callback>::packOrFail(SHORT machine, BSTR path,
                                                        MachinePathRecord& rec) {
    if (packMachinePath(machine, com::qStringFromBstr(path), rec) != kOk) {
        throw com::ComError(kPathTooLongResult);
    }
}

template <typename Derived, typename Engine, typename Callback>
BSTR LinkControl<Derived, Engine, Callback>::parse(BSTR part1, BSTR part2, BSTR part3,
                                                   ParseRecord& parsed) {
    Engine* e = requireEngine();
    const QByteArray p1 = ansi(part1);
    const QByteArray p2 = ansi(part2);
    const QByteArray p3 = ansi(part3);
    std::memset(&parsed, 0, sizeof parsed);
    e->ParseFile(partOrNull(p1), partOrNull(p2), partOrNull(p3), &parsed);
    return com::bstrFromQString(com::unicodeFromAnsi(parsedPathText(parsed)));
}

template <typename Derived, typename Engine, typename Callback>
void LinkControl<Derived, Engine, Callback>::lastReleased() {
    if (callback_) {
        callback_->detach();
    }
}

template <typename Derived, typename Engine, typename Callback>
void LinkControl<Derived, Engine, Callback>::releaseEngine() {
    ready_ = false;
    if (callback_) {
        callback_->detach();
    }
    engine_.reset();
    callback_.reset();
}

template class LinkControl<CTanlinkCtrl, ITandemEngine, CFSinfo>;
template class LinkControl<CTanlinkCtrlS, ITandemEngineS, CFSinfoS>;

} // namespace velox::tanlink
