#include "platform/com/TypeLibrary.h"

namespace velox::com {

const InterfaceInfo* findInterface(const TypeLibInfo& library, const IID& iid) {
    for (const InterfaceInfo* info : library.interfaces) {
        if (info->iid == iid) {
            return info;
        }
    }
    return nullptr;
}

} // namespace velox::com
