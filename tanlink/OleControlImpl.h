#pragma once

// The interfaces through which a container sites, draws, persists and
// shows the property pages of a link control: IOleObject, IViewObject2,
// IPersistStreamInit, ISpecifyPropertyPages and IOleControl. The controls
// are invisible at run time, so activation shows nothing; drawing is the
// design-time bitmap, and the persistent state is the property exchange.
//
// Derived implements IUnknown and provides
//   static constexpr const CLSID& classId;
//   static constexpr com::UINT typeNameId;   // string-table id of its type name
//   void OnDraw(QPainter*, const QRect&) const;
//   bool DoPropExchange(PropExchange&);
//   QSize extent() const; void setExtent(QSize);

#include "platform/com/ComPtr.h"
#include "platform/com/Memory.h"
#include "platform/com/interfaces/OleControl.h"
#include "platform/com/interfaces/OleObject.h"
#include "platform/com/interfaces/Persist.h"
#include "platform/com/interfaces/PropertyPages.h"
#include "platform/com/interfaces/ViewObject.h"
#include "tanlink/CTanlinkPropPage.h"
#include "tanlink/PropExchange.h"
#include "tanlink/TanlinkRegistration.h"
#include "tanlink/TanlinkResources.h"

#include <QRect>
#include <cstring>

namespace velox::tanlink {

inline constexpr com::HRESULT OLE_E_ADVISENOTSUPPORTED = com::hresult(0x80040003);
inline constexpr com::HRESULT OLEOBJ_E_NOVERBS = com::hresult(0x80040180);
inline constexpr com::HRESULT OLE_S_USEREG = com::hresult(0x00040000);

template <typename Derived>
class OleControlImpl : public com::IOleObject,
                       public com::IViewObject2,
                       public com::IPersistStreamInit,
                       public com::ISpecifyPropertyPages,
                       public com::IOleControl {
public:
    using HRESULT = com::HRESULT;
    using DWORD = com::DWORD;
    using LONG = com::LONG;
    using BOOL = com::BOOL;

    // Hands out the interface of this group named by `riid`, or null.
    void* controlInterface(com::REFIID riid) {
        if (riid == com::IID_IOleObject) {
            return static_cast<com::IOleObject*>(this);
        }
        if (riid == com::IID_IViewObject || riid == com::IID_IViewObject2) {
            return static_cast<com::IViewObject2*>(this);
        }
        if (riid == com::IID_IPersist || riid == com::IID_IPersistStreamInit) {
            return static_cast<com::IPersistStreamInit*>(this);
        }
        if (riid == com::IID_ISpecifyPropertyPages) {
            return static_cast<com::ISpecifyPropertyPages*>(this);
        }
        if (riid == com::IID_IOleControl) {
            return static_cast<com::IOleControl*>(this);
        }
        return nullptr;
    }

    // IOleObject
    HRESULT SetClientSite(com::IOleClientSite* site) override {
        site_ = com::ComPtr<com::IOleClientSite>(site);
        return com::S_OK;
    }
    HRESULT GetClientSite(com::IOleClientSite** site) override {
        if (site == nullptr) {
            return com::E_POINTER;
        }
        *site = site_.get();
        if (*site != nullptr) {
            (*site)->AddRef();
        }
        return com::S_OK;
    }
    HRESULT SetHostNames(com::LPCOLESTR, com::LPCOLESTR) override { return com::S_OK; }
    HRESULT Close(DWORD) override { return com::S_OK; }
    HRESULT SetMoniker(DWORD, com::IMoniker*) override { return com::E_NOTIMPL; }
    HRESULT GetMoniker(DWORD, DWORD, com::IMoniker** moniker) override {
        if (moniker != nullptr) {
            *moniker = nullptr;
        }
        return com::E_NOTIMPL;
    }
    HRESULT InitFromData(com::IDataObject*, BOOL, DWORD) override { return com::E_NOTIMPL; }
    HRESULT GetClipboardData(DWORD, com::IDataObject** data) override {
        if (data != nullptr) {
            *data = nullptr;
        }
        return com::E_NOTIMPL;
    }
    // Invisible at run time: showing and activating have nothing to show.
    HRESULT DoVerb(LONG verb, com::MSG*, com::IOleClientSite*, LONG, QWidget*,
                   const com::RECT*) override {
        switch (verb) {
        case com::OLEIVERB_PRIMARY:
        case com::OLEIVERB_SHOW:
        case com::OLEIVERB_HIDE:
        case com::OLEIVERB_UIACTIVATE:
        case com::OLEIVERB_INPLACEACTIVATE:
            return com::S_OK;
        default:
            return com::E_NOTIMPL;
        }
    }
    HRESULT EnumVerbs(com::IEnumOLEVERB** verbs) override {
        if (verbs != nullptr) {
            *verbs = nullptr;
        }
        return OLE_S_USEREG;
    }
    HRESULT Update() override { return com::S_OK; }
    HRESULT IsUpToDate() override { return com::S_OK; }
    HRESULT GetUserClassID(com::CLSID* clsid) override { return GetClassID(clsid); }
    HRESULT GetUserType(DWORD, com::LPOLESTR* userType) override {
        if (userType == nullptr) {
            return com::E_POINTER;
        }
        const std::u16string name = resourceString(Derived::typeNameId).toStdU16String();
        auto* text =
            static_cast<com::OLECHAR*>(com::CoTaskMemAlloc((name.size() + 1) * sizeof(char16_t)));
        if (text == nullptr) {
            *userType = nullptr;
            return com::E_OUTOFMEMORY;
        }
        std::memcpy(text, name.c_str(), (name.size() + 1) * sizeof(char16_t));
        *userType = text;
        return com::S_OK;
    }
    HRESULT SetExtent(DWORD aspect, com::SIZEL* size) override {
        if (size == nullptr) {
            return com::E_POINTER;
        }
        if (aspect != com::DVASPECT_CONTENT) {
            return com::E_INVALIDARG;
        }
        self().setExtent(QSize(size->cx, size->cy));
        return com::S_OK;
    }
    HRESULT GetExtent(DWORD aspect, com::SIZEL* size) override {
        if (size == nullptr) {
            return com::E_POINTER;
        }
        if (aspect != com::DVASPECT_CONTENT) {
            return com::E_INVALIDARG;
        }
        const QSize extent = self().extent();
        *size = com::SIZEL{extent.width(), extent.height()};
        return com::S_OK;
    }
    HRESULT Advise(com::IAdviseSink*, DWORD* connection) override {
        if (connection != nullptr) {
            *connection = 0;
        }
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT Unadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT EnumAdvise(com::IEnumSTATDATA** advise) override {
        if (advise != nullptr) {
            *advise = nullptr;
        }
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT GetMiscStatus(DWORD, DWORD* status) override {
        if (status == nullptr) {
            return com::E_POINTER;
        }
        *status = kControlMiscStatus;
        return com::S_OK;
    }
    HRESULT SetColorScheme(com::LOGPALETTE*) override { return com::E_NOTIMPL; }

    // IViewObject2
    HRESULT Draw(DWORD aspect, LONG, void*, com::DVTARGETDEVICE*, QPainter*, QPainter* draw,
                 const com::RECTL* bounds, const com::RECTL*, BOOL (*)(com::ULONG_PTR),
                 com::ULONG_PTR) override {
        if (aspect != com::DVASPECT_CONTENT) {
            return com::E_INVALIDARG;
        }
        if (draw == nullptr || bounds == nullptr) {
            return com::E_INVALIDARG;
        }
        self().OnDraw(draw, QRect(QPoint(bounds->left, bounds->top),
                                  QPoint(bounds->right - 1, bounds->bottom - 1)));
        return com::S_OK;
    }
    HRESULT GetColorSet(DWORD, LONG, void*, com::DVTARGETDEVICE*, QPainter*,
                        com::LOGPALETTE** colors) override {
        if (colors != nullptr) {
            *colors = nullptr;
        }
        return com::S_FALSE;
    }
    HRESULT Freeze(DWORD, LONG, void*, DWORD* freeze) override {
        if (freeze != nullptr) {
            *freeze = 0;
        }
        return com::E_NOTIMPL;
    }
    HRESULT Unfreeze(DWORD) override { return com::E_NOTIMPL; }
    HRESULT SetAdvise(DWORD, DWORD, com::IAdviseSink*) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT GetAdvise(DWORD*, DWORD*, com::IAdviseSink** sink) override {
        if (sink != nullptr) {
            *sink = nullptr;
        }
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT GetExtent(DWORD aspect, LONG, com::DVTARGETDEVICE*, com::SIZEL* size) override {
        return GetExtent(aspect, size);
    }

    // IPersistStreamInit
    HRESULT GetClassID(com::CLSID* clsid) override {
        if (clsid == nullptr) {
            return com::E_POINTER;
        }
        *clsid = Derived::classId;
        return com::S_OK;
    }
    // The control has no properties a user changes.
    HRESULT IsDirty() override { return com::S_FALSE; }
    // Reads the saved state; data that ends early changes nothing.
    HRESULT Load(com::IStream* stream) override {
        if (stream == nullptr) {
            return com::E_POINTER;
        }
        char buffer[kSavedSize];
        com::ULONG read = 0;
        const HRESULT hr = stream->Read(buffer, kSavedSize, &read);
        if (com::FAILED(hr)) {
            return hr;
        }
        PropExchange px = PropExchange::forLoading(QByteArrayView(buffer, read));
        return self().DoPropExchange(px) ? com::S_OK : com::STG_E_READFAULT;
    }
    HRESULT Save(com::IStream* stream, BOOL) override {
        if (stream == nullptr) {
            return com::E_POINTER;
        }
        PropExchange px = PropExchange::forSaving();
        self().DoPropExchange(px);
        com::ULONG written = 0;
        const HRESULT hr = stream->Write(px.data().constData(),
                                         static_cast<com::ULONG>(px.data().size()), &written);
        return com::FAILED(hr) ? hr : com::S_OK;
    }
    HRESULT GetSizeMax(com::ULARGE_INTEGER* size) override {
        if (size == nullptr) {
            return com::E_POINTER;
        }
        size->QuadPart = kSavedSize;
        return com::S_OK;
    }
    HRESULT InitNew() override { return com::S_OK; }

    // ISpecifyPropertyPages: the one placeholder page.
    HRESULT GetPages(com::CAUUID* pages) override {
        if (pages == nullptr) {
            return com::E_POINTER;
        }
        auto* ids = static_cast<com::GUID*>(com::CoTaskMemAlloc(sizeof(com::GUID)));
        if (ids == nullptr) {
            pages->cElems = 0;
            pages->pElems = nullptr;
            return com::E_OUTOFMEMORY;
        }
        ids[0] = CLSID_TanlinkPropPage;
        pages->cElems = 1;
        pages->pElems = ids;
        return com::S_OK;
    }

    // IOleControl: no mnemonics, nothing that depends on ambient properties.
    HRESULT GetControlInfo(com::CONTROLINFO* info) override {
        if (info == nullptr) {
            return com::E_POINTER;
        }
        info->cb = sizeof(com::CONTROLINFO);
        info->hAccel = nullptr;
        info->cAccel = 0;
        info->dwFlags = 0;
        return com::S_OK;
    }
    HRESULT OnMnemonic(com::MSG*) override { return com::E_NOTIMPL; }
    HRESULT OnAmbientPropertyChange(com::DISPID) override { return com::S_OK; }
    HRESULT FreezeEvents(BOOL) override { return com::S_OK; }

protected:
    OleControlImpl() = default;
    ~OleControlImpl() = default;

    // Lets go of the container's site (when the control ends).
    void releaseSite() { site_.reset(); }

private:
    // The version and the extent's two values.
    static constexpr com::ULONG kSavedSize = 12;

    Derived& self() { return static_cast<Derived&>(*this); }

    com::ComPtr<com::IOleClientSite> site_;
};

} // namespace velox::tanlink
