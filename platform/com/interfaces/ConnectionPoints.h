#pragma once

// Outgoing interfaces (events): a container hands out one connection point
// per event interface; sinks advise on it and get a cookie back.

#include "platform/com/interfaces/Unknown.h"

namespace velox::com {

inline constexpr IID IID_IConnectionPointContainer = oleControlGuid(0xB196B284);
inline constexpr IID IID_IEnumConnectionPoints = oleControlGuid(0xB196B285);
inline constexpr IID IID_IConnectionPoint = oleControlGuid(0xB196B286);
inline constexpr IID IID_IEnumConnections = oleControlGuid(0xB196B287);

struct IConnectionPoint;
struct IConnectionPointContainer;

struct CONNECTDATA {
    IUnknown* pUnk;
    DWORD dwCookie;
};

struct IEnumConnections : IEnumOf<CONNECTDATA, IEnumConnections> {
    static constexpr const IID& iid = IID_IEnumConnections;

protected:
    ~IEnumConnections() = default;
};

struct IEnumConnectionPoints : IEnumOf<IConnectionPoint*, IEnumConnectionPoints> {
    static constexpr const IID& iid = IID_IEnumConnectionPoints;

protected:
    ~IEnumConnectionPoints() = default;
};

struct IConnectionPoint : IUnknown {
    static constexpr const IID& iid = IID_IConnectionPoint;
    virtual HRESULT GetConnectionInterface(IID* events) = 0;
    virtual HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) = 0;
    virtual HRESULT Advise(IUnknown* sink, DWORD* cookie) = 0;
    virtual HRESULT Unadvise(DWORD cookie) = 0;
    virtual HRESULT EnumConnections(IEnumConnections** connections) = 0;

protected:
    ~IConnectionPoint() = default;
};

struct IConnectionPointContainer : IUnknown {
    static constexpr const IID& iid = IID_IConnectionPointContainer;
    virtual HRESULT EnumConnectionPoints(IEnumConnectionPoints** points) = 0;
    virtual HRESULT FindConnectionPoint(REFIID riid, IConnectionPoint** point) = 0;

protected:
    ~IConnectionPointContainer() = default;
};

} // namespace velox::com
