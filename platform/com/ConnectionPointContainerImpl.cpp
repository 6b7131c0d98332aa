#include "platform/com/ConnectionPointContainerImpl.h"

namespace velox::com {

HRESULT ConnectionPointContainerImpl::EnumConnectionPoints(IEnumConnectionPoints** points) {
    if (points != nullptr) {
        *points = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT ConnectionPointContainerImpl::FindConnectionPoint(REFIID riid, IConnectionPoint** point) {
    if (point == nullptr) {
        return E_POINTER;
    }
    for (ConnectionPoint* candidate : points_) {
        if (candidate->events() == riid) {
            candidate->AddRef();
            *point = candidate;
            return S_OK;
        }
    }
    *point = nullptr;
    return CONNECT_E_NOCONNECTION;
}

} // namespace velox::com
