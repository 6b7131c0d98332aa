#include "platform/jet/UsageMap.h"

#include "platform/jet/JetError.h"
#include "platform/jet/JetFormat.h"

namespace velox::jet {

using namespace format;

namespace {

void collect(const char* bitmap, int bytes, std::uint32_t start, std::uint32_t pageCount,
             std::vector<std::uint32_t>& out) {
    for (int i = 0; i < bytes; ++i) {
        const auto byte = static_cast<std::uint8_t>(bitmap[i]);
        if (byte == 0) {
            continue;
        }
        for (int bit = 0; bit < 8; ++bit) {
            if ((byte & (1 << bit)) == 0) {
                continue;
            }
            const std::uint64_t page = static_cast<std::uint64_t>(start) +
                                       static_cast<std::uint64_t>(i) * 8 +
                                       static_cast<std::uint64_t>(bit);
            if (page >= pageCount) {
                throw JetError(
                    errors::UnrecognizedFormat,
                    QStringLiteral("A usage map names a page beyond the end of the file."));
            }
            out.push_back(static_cast<std::uint32_t>(page));
        }
    }
}

} // namespace

QByteArray UsageMap::empty() {
    return QByteArray(5 + 64, '\0');
}

QByteArray UsageMap::build(const std::vector<std::uint32_t>& pages, PageList& file) {
    if (pages.empty()) {
        return empty();
    }
    const std::uint32_t first = pages.front();
    const std::uint32_t span = pages.back() - first + 1;
    if (span <= static_cast<std::uint32_t>(MaxType0Bitmap) * 8) {
        QByteArray map(5 + std::max<int>(64, static_cast<int>((span + 7) / 8)), '\0');
        map[0] = 0x00;
        put32(map.data() + 1, first);
        for (std::uint32_t p : pages) {
            const std::uint32_t bit = p - first;
            map[5 + static_cast<int>(bit / 8)] =
                static_cast<char>(map[5 + static_cast<int>(bit / 8)] | (1 << (bit % 8)));
        }
        return map;
    }
    const std::uint32_t perPage = static_cast<std::uint32_t>(Jet4PageSize - 4) * 8;
    const std::uint32_t mapPages = pages.back() / perPage + 1;
    QByteArray map(1 + 4 * static_cast<int>(mapPages), '\0');
    map[0] = 0x01;
    std::vector<QByteArray> bitmaps(mapPages);
    for (std::uint32_t p : pages) {
        QByteArray& b = bitmaps[p / perPage];
        if (b.isEmpty()) {
            b = QByteArray(Jet4PageSize, '\0');
            b[0] = static_cast<char>(PageUsageBitmap);
            b[1] = 0x01;
        }
        const std::uint32_t bit = p % perPage;
        b[4 + static_cast<int>(bit / 8)] =
            static_cast<char>(b[4 + static_cast<int>(bit / 8)] | (1 << (bit % 8)));
    }
    for (std::uint32_t i = 0; i < mapPages; ++i) {
        if (bitmaps[i].isEmpty()) {
            continue;
        }
        const std::uint32_t at = file.reserve();
        file.set(at, bitmaps[i]);
        put32(map.data() + 1 + std::ptrdiff_t{4} * static_cast<std::ptrdiff_t>(i), at);
    }
    return map;
}

std::vector<std::uint32_t> UsageMap::pagesOf(const char* map, int length, int pageSize,
                                             std::uint32_t pageCount, const PageAt& pageAt) {
    std::vector<std::uint32_t> out;
    if (length < 1) {
        throw JetError(errors::UnrecognizedFormat, QStringLiteral("A usage map is empty."));
    }
    if (map[0] == 0x00) {
        if (length < 5) {
            throw JetError(errors::UnrecognizedFormat, QStringLiteral("A usage map is cut short."));
        }
        collect(map + 5, length - 5, u32(map + 1), pageCount, out);
        return out;
    }
    if (map[0] != 0x01) {
        throw JetError(errors::UnrecognizedFormat,
                       QStringLiteral("A usage map has an unknown type."));
    }
    const std::uint32_t perPage = static_cast<std::uint32_t>(pageSize - 4) * 8;
    for (int i = 0; 1 + 4 * (i + 1) <= length; ++i) {
        const std::uint32_t mapPage = u32(map + 1 + std::ptrdiff_t{4} * i);
        if (mapPage == 0) {
            continue;
        }
        const char* bitmap = pageAt(mapPage);
        if (bitmap == nullptr || static_cast<std::uint8_t>(bitmap[0]) != PageUsageBitmap) {
            throw JetError(errors::UnrecognizedFormat,
                           QStringLiteral("A usage map points to a page that is no bitmap."));
        }
        const std::uint64_t start = static_cast<std::uint64_t>(i) * perPage;
        if (start >= pageCount) {
            break;
        }
        collect(bitmap + 4, pageSize - 4, static_cast<std::uint32_t>(start), pageCount, out);
    }
    return out;
}

} // namespace velox::jet
