#pragma once

// The count of live objects and server locks of one module, which decides
// its DllCanUnloadNow. Each module keeps one instance of its own.

#include "platform/com/Types.h"

#include <atomic>

namespace velox::com {

class ServerLock {
public:
    void lock() { count_.fetch_add(1, std::memory_order_relaxed); }
    void unlock() { count_.fetch_sub(1, std::memory_order_acq_rel); }
    [[nodiscard]] long count() const { return count_.load(std::memory_order_acquire); }
    // The answer of DllCanUnloadNow.
    [[nodiscard]] HRESULT canUnloadNow() const { return count() == 0 ? S_OK : S_FALSE; }

private:
    std::atomic<long> count_{0};
};

} // namespace velox::com
