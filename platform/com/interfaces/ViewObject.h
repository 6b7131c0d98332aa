#pragma once

// Drawing a control: the container hands a QPainter (the device context)
// and the bounds to draw into.

#include "platform/com/interfaces/OleObject.h"

class QPainter;

namespace velox::com {

inline constexpr IID IID_IViewObject = oleGuid(0x0000010D);
inline constexpr IID IID_IViewObject2 = oleGuid(0x00000127);

struct IViewObject : IUnknown {
    static constexpr const IID& iid = IID_IViewObject;
    virtual HRESULT Draw(DWORD drawAspect, LONG index, void* aspect, DVTARGETDEVICE* target,
                         QPainter* targetDevice, QPainter* draw, const RECTL* bounds,
                         const RECTL* windowBounds, BOOL (*keepDrawing)(ULONG_PTR),
                         ULONG_PTR keepDrawingArgument) = 0;
    virtual HRESULT GetColorSet(DWORD drawAspect, LONG index, void* aspect, DVTARGETDEVICE* target,
                                QPainter* targetDevice, LOGPALETTE** colors) = 0;
    virtual HRESULT Freeze(DWORD drawAspect, LONG index, void* aspect, DWORD* freeze) = 0;
    virtual HRESULT Unfreeze(DWORD freeze) = 0;
    virtual HRESULT SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) = 0;
    virtual HRESULT GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) = 0;

protected:
    ~IViewObject() = default;
};

struct IViewObject2 : IViewObject {
    static constexpr const IID& iid = IID_IViewObject2;
    virtual HRESULT GetExtent(DWORD drawAspect, LONG index, DVTARGETDEVICE* target,
                              SIZEL* size) = 0;

protected:
    ~IViewObject2() = default;
};

} // namespace velox::com
