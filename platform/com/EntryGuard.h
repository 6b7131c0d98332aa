#pragma once

// The exported functions of a module are called across the module's edge
// from C: no exception may leave them. guardEntry runs a function's body and
// turns what it throws into the HRESULT a caller can read.

#include "platform/com/ComError.h"
#include "platform/com/Types.h"

#include <new>

namespace velox::com {

template <class Body> HRESULT guardEntry(Body&& body) noexcept {
    try {
        return body();
    } catch (const ComError& error) {
        return error.hr();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

} // namespace velox::com
