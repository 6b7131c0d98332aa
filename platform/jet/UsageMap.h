#pragma once

#include "platform/jet/PageList.h"

#include <QByteArray>
#include <cstdint>
#include <functional>
#include <vector>

namespace velox::jet {

// The map of the pages a table owns. Type 0 holds a start page and a
// bitmap; type 1 holds pointers to bitmap pages (type 0x05), each covering a
// fixed stretch of the file.
class UsageMap {
public:
    // The map row for these pages (sorted, unique); adds bitmap pages to
    // the file when a type 0 map would be too long.
    static QByteArray build(const std::vector<std::uint32_t>& pages, PageList& file);
    static QByteArray empty();

    // The pages a map row lists, in ascending order. pageAt gives a page's
    // bytes, or nullptr when it does not exist; limit caps the pages
    // returned. Raises 3343 on a malformed map.
    using PageAt = std::function<const char*(std::uint32_t)>;
    static std::vector<std::uint32_t> pagesOf(const char* map, int length, int pageSize,
                                              std::uint32_t pageCount, const PageAt& pageAt);

    static constexpr int MaxType0Bitmap = 2048;
};

} // namespace velox::jet
