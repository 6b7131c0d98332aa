#pragma once

// controlThunk<Class, &Base::Method> is the member-table thunk for a method
// that a control inherits from its base: the invoker hands over a Class*,
// which is converted to the base the method belongs to before the call.

#include "platform/com/DispatchThunk.h"

namespace velox::tanlink {

template <typename Class, auto Method> void controlThunk(void* object, com::DispatchCall& call) {
    using Traits = com::detail::MethodTraits<decltype(Method)>;
    typename Traits::Class* self = static_cast<Class*>(object);
    com::detail::callWith<Method>(self, call, Method, typename Traits::Arguments{});
}

} // namespace velox::tanlink
