#pragma once

#include "platform/win/runtime/RuntimeError.h"

#include <functional>

namespace velox::test {

// The number of the run-time error an action raises, or 0 when it raises none.
inline int errorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const win::RuntimeError& error) {
        return error.number();
    }
    return 0;
}

} // namespace velox::test
