#pragma once

// The task allocator: memory that one side allocates and the other frees
// (CAUUID elements, returned strings of GetUserType, ...).

#include <cstddef>

namespace velox::com {

void* CoTaskMemAlloc(std::size_t size);
void* CoTaskMemRealloc(void* block, std::size_t size);
void CoTaskMemFree(void* block);

} // namespace velox::com
