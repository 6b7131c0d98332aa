#pragma once

// The interfaces through which a container creates, sites, activates and
// closes a control: IOleObject with its client site, and in-place
// activation (IOleWindow, IOleInPlaceObject). Interfaces the container and
// control do not use here (monikers, data objects, verbs enumeration,
// advise sinks) are opaque: callers pass null for them.

#include "platform/com/interfaces/OleTypes.h"

class QWidget;

namespace velox::com {

inline constexpr IID IID_IOleObject = oleGuid(0x00000112);
inline constexpr IID IID_IOleClientSite = oleGuid(0x00000118);
inline constexpr IID IID_IOleContainer = oleGuid(0x0000011B);
inline constexpr IID IID_IOleWindow = oleGuid(0x00000114);
inline constexpr IID IID_IOleInPlaceObject = oleGuid(0x00000113);
inline constexpr IID IID_IMoniker = oleGuid(0x0000000F);
inline constexpr IID IID_IDataObject = oleGuid(0x0000010E);
inline constexpr IID IID_IAdviseSink = oleGuid(0x0000010F);
inline constexpr IID IID_IEnumOLEVERB = oleGuid(0x00000104);
inline constexpr IID IID_IEnumSTATDATA = oleGuid(0x00000105);

// OLEMISC flags of MiscStatus.
inline constexpr DWORD OLEMISC_RECOMPOSEONRESIZE = 0x1;
inline constexpr DWORD OLEMISC_CANTLINKINSIDE = 0x10;
inline constexpr DWORD OLEMISC_INSIDEOUT = 0x80;
inline constexpr DWORD OLEMISC_ACTIVATEWHENVISIBLE = 0x100;
inline constexpr DWORD OLEMISC_INVISIBLEATRUNTIME = 0x400;
inline constexpr DWORD OLEMISC_SETCLIENTSITEFIRST = 0x20000;

// Standard verbs of DoVerb.
inline constexpr LONG OLEIVERB_PRIMARY = 0;
inline constexpr LONG OLEIVERB_SHOW = -1;
inline constexpr LONG OLEIVERB_OPEN = -2;
inline constexpr LONG OLEIVERB_HIDE = -3;
inline constexpr LONG OLEIVERB_UIACTIVATE = -4;
inline constexpr LONG OLEIVERB_INPLACEACTIVATE = -5;
inline constexpr LONG OLEIVERB_PROPERTIES = -7;

inline constexpr DWORD OLECLOSE_SAVEIFDIRTY = 0;
inline constexpr DWORD OLECLOSE_NOSAVE = 1;
inline constexpr DWORD OLECLOSE_PROMPTSAVE = 2;

inline constexpr DWORD USERCLASSTYPE_FULL = 1;
inline constexpr DWORD USERCLASSTYPE_SHORT = 2;
inline constexpr DWORD USERCLASSTYPE_APPNAME = 3;

struct IMoniker : IUnknown {
    static constexpr const IID& iid = IID_IMoniker;

protected:
    ~IMoniker() = default;
};
struct IDataObject : IUnknown {
    static constexpr const IID& iid = IID_IDataObject;

protected:
    ~IDataObject() = default;
};
struct IAdviseSink : IUnknown {
    static constexpr const IID& iid = IID_IAdviseSink;

protected:
    ~IAdviseSink() = default;
};
struct IEnumOLEVERB : IUnknown {
    static constexpr const IID& iid = IID_IEnumOLEVERB;

protected:
    ~IEnumOLEVERB() = default;
};
struct IEnumSTATDATA : IUnknown {
    static constexpr const IID& iid = IID_IEnumSTATDATA;

protected:
    ~IEnumSTATDATA() = default;
};
struct IOleContainer : IUnknown {
    static constexpr const IID& iid = IID_IOleContainer;

protected:
    ~IOleContainer() = default;
};

struct IOleClientSite : IUnknown {
    static constexpr const IID& iid = IID_IOleClientSite;
    virtual HRESULT SaveObject() = 0;
    virtual HRESULT GetMoniker(DWORD assign, DWORD whichMoniker, IMoniker** moniker) = 0;
    virtual HRESULT GetContainer(IOleContainer** container) = 0;
    virtual HRESULT ShowObject() = 0;
    virtual HRESULT OnShowWindow(BOOL show) = 0;
    virtual HRESULT RequestNewObjectLayout() = 0;

protected:
    ~IOleClientSite() = default;
};

struct IOleObject : IUnknown {
    static constexpr const IID& iid = IID_IOleObject;
    virtual HRESULT SetClientSite(IOleClientSite* site) = 0;
    virtual HRESULT GetClientSite(IOleClientSite** site) = 0;
    virtual HRESULT SetHostNames(LPCOLESTR containerApp, LPCOLESTR containerObject) = 0;
    virtual HRESULT Close(DWORD saveOption) = 0;
    virtual HRESULT SetMoniker(DWORD whichMoniker, IMoniker* moniker) = 0;
    virtual HRESULT GetMoniker(DWORD assign, DWORD whichMoniker, IMoniker** moniker) = 0;
    virtual HRESULT InitFromData(IDataObject* data, BOOL creation, DWORD reserved) = 0;
    virtual HRESULT GetClipboardData(DWORD reserved, IDataObject** data) = 0;
    // `parent` is the container's window; `position` the control's place in it.
    virtual HRESULT DoVerb(LONG verb, MSG* message, IOleClientSite* activeSite, LONG index,
                           QWidget* parent, const RECT* position) = 0;
    virtual HRESULT EnumVerbs(IEnumOLEVERB** verbs) = 0;
    virtual HRESULT Update() = 0;
    virtual HRESULT IsUpToDate() = 0;
    virtual HRESULT GetUserClassID(CLSID* clsid) = 0;
    // The name comes in memory from CoTaskMemAlloc.
    virtual HRESULT GetUserType(DWORD form, LPOLESTR* userType) = 0;
    virtual HRESULT SetExtent(DWORD drawAspect, SIZEL* size) = 0;
    virtual HRESULT GetExtent(DWORD drawAspect, SIZEL* size) = 0;
    virtual HRESULT Advise(IAdviseSink* sink, DWORD* connection) = 0;
    virtual HRESULT Unadvise(DWORD connection) = 0;
    virtual HRESULT EnumAdvise(IEnumSTATDATA** advise) = 0;
    virtual HRESULT GetMiscStatus(DWORD aspect, DWORD* status) = 0;
    virtual HRESULT SetColorScheme(LOGPALETTE* palette) = 0;

protected:
    ~IOleObject() = default;
};

struct IOleWindow : IUnknown {
    static constexpr const IID& iid = IID_IOleWindow;
    virtual HRESULT GetWindow(QWidget** window) = 0;
    virtual HRESULT ContextSensitiveHelp(BOOL enterMode) = 0;

protected:
    ~IOleWindow() = default;
};

struct IOleInPlaceObject : IOleWindow {
    static constexpr const IID& iid = IID_IOleInPlaceObject;
    virtual HRESULT InPlaceDeactivate() = 0;
    virtual HRESULT UIDeactivate() = 0;
    virtual HRESULT SetObjectRects(const RECT* position, const RECT* clip) = 0;
    virtual HRESULT ReactivateAndUndo() = 0;

protected:
    ~IOleInPlaceObject() = default;
};

} // namespace velox::com
