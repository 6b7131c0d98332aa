#pragma once

// The control and its site: keyboard information, ambient property
// changes, event freezing (IOleControl) and the site's services
// (IOleControlSite).

#include "platform/com/interfaces/Dispatch.h"
#include "platform/com/interfaces/OleTypes.h"

namespace velox::com {

inline constexpr IID IID_IOleControl = oleControlGuid(0xB196B288);
inline constexpr IID IID_IOleControlSite = oleControlGuid(0xB196B289);

struct CONTROLINFO {
    ULONG cb;
    void* hAccel;
    USHORT cAccel;
    DWORD dwFlags;
};

struct IOleControl : IUnknown {
    static constexpr const IID& iid = IID_IOleControl;
    virtual HRESULT GetControlInfo(CONTROLINFO* info) = 0;
    virtual HRESULT OnMnemonic(MSG* message) = 0;
    virtual HRESULT OnAmbientPropertyChange(DISPID id) = 0;
    virtual HRESULT FreezeEvents(BOOL freeze) = 0;

protected:
    ~IOleControl() = default;
};

struct IOleControlSite : IUnknown {
    static constexpr const IID& iid = IID_IOleControlSite;
    virtual HRESULT OnControlInfoChanged() = 0;
    virtual HRESULT LockInPlaceActive(BOOL lock) = 0;
    virtual HRESULT GetExtendedControl(IDispatch** control) = 0;
    virtual HRESULT TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) = 0;
    virtual HRESULT TranslateAccelerator(MSG* message, DWORD modifiers) = 0;
    virtual HRESULT OnFocus(BOOL gotFocus) = 0;
    virtual HRESULT ShowPropertyFrame() = 0;

protected:
    ~IOleControlSite() = default;
};

} // namespace velox::com
