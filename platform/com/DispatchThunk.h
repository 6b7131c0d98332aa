#pragma once

// dispatchThunk<&Class::Method> is the thunk of a member table entry that
// calls Method with the call's arguments converted to the method's
// parameter types and stores its return value:
//
//   LONG CopyFile(SHORT from, BSTR fileFrom, SHORT to, BSTR fileTo, SHORT flags);
//   {5, "CopyFile", MemberKind::Method, VT_I4, kCopyFileParams,
//    dispatchThunk<&CTanlinkCtrl::CopyFile>}
//
// The object the invoker is given must be a Class*.

#include "platform/com/DispatchCall.h"

#include <utility>

namespace velox::com {

namespace detail {

template <typename M> struct MethodTraits;

template <typename C, typename R, typename... A> struct MethodTraits<R (C::*)(A...)> {
    using Class = C;
    using Result = R;
    using Arguments = std::index_sequence_for<A...>;
};

template <auto Method, typename C, typename R, typename... A, std::size_t... I>
void callWith(C* self, DispatchCall& call, R (C::*)(A...), std::index_sequence<I...>) {
    if constexpr (std::is_void_v<R>) {
        (self->*Method)(call.arg<A>(I)...);
    } else {
        call.setResult<R>((self->*Method)(call.arg<A>(I)...));
    }
}

} // namespace detail

template <auto Method> void dispatchThunk(void* object, DispatchCall& call) {
    using Traits = detail::MethodTraits<decltype(Method)>;
    auto* self = static_cast<typename Traits::Class*>(object);
    detail::callWith<Method>(self, call, Method, typename Traits::Arguments{});
}

} // namespace velox::com
