#include "platform/com/DispatchTable.h"

namespace velox::com {

const MemberInfo* findMember(const InterfaceInfo& info, DISPID id, MemberKind kind) {
    for (const MemberInfo& member : info.members) {
        if (member.id == id && member.kind == kind) {
            return &member;
        }
    }
    return nullptr;
}

} // namespace velox::com
