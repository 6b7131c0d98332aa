#include "platform/jet/TableScanner.h"

#include "platform/jet/JetError.h"
#include "platform/jet/UsageMap.h"

#include <algorithm>

namespace velox::jet {

using namespace format;

TableScanner::TableScanner(const JetFile& file, const TableDef& table)
    : file_(file), table_(table), row_(file.version(), table) {
    const std::uint32_t pointer = table.usedPages;
    const char* mapPage = file.page(pointer >> 8);
    if (mapPage == nullptr || mapPage[0] != PageData) {
        throw JetError(errors::UnrecognizedFormat,
                       QStringLiteral("The page map of table '%1' is missing.").arg(table.name));
    }
    RowLocation map;
    if (!locateRow(file, mapPage, static_cast<int>(pointer & 0xff), map, false)) {
        throw JetError(errors::UnrecognizedFormat,
                       QStringLiteral("The page map of table '%1' is deleted.").arg(table.name));
    }
    pages_ = UsageMap::pagesOf(map.data, map.size, file.pageSize(), file.pageCount(),
                               [&file](std::uint32_t n) { return file.page(n); });
}

// A scan reads each row's first bytes and its last (the null mask and the
// offsets), far apart in memory. When a page is reached, the rows of the next
// page and the slots of the one after are asked for, so that the memory
// fetches them side by side while this page is read.
void TableScanner::fetchAhead(const DataPageLayout& l) const {
    if (pageIndex_ + 1 < pages_.size()) {
        if (const char* later = file_.page(pages_[pageIndex_ + 1])) {
            __builtin_prefetch(later);
        }
    }
    const char* next = pageIndex_ < pages_.size() ? file_.page(pages_[pageIndex_]) : nullptr;
    if (next == nullptr) {
        return;
    }
    const int pageSize = file_.pageSize();
    const int rows = u16(next + l.rowCountOffset);
    if (l.firstSlot + 2 * rows > pageSize) {
        return;
    }
    int end = pageSize;
    for (int slot = 0; slot < rows; ++slot) {
        const int start = u16(next + l.firstSlot + std::ptrdiff_t{2} * slot) & SlotOffsetMask;
        if (start >= end) {
            continue;
        }
        __builtin_prefetch(next + start);
        __builtin_prefetch(next + end - 1);
        __builtin_prefetch(next + std::max(start, end - 32));
        end = start;
    }
}

bool TableScanner::next() {
    const DataPageLayout& l = file_.version() == Version::Jet3 ? DataPageJet3 : DataPageJet4;
    for (;;) {
        while (page_ != nullptr && slot_ < slots_) {
            if (locateRow(file_, page_, slot_++, location_)) {
                row_.read(location_.data, location_.size);
                return true;
            }
        }
        if (pageIndex_ >= pages_.size()) {
            return false;
        }
        const char* p = file_.page(pages_[pageIndex_++]);
        page_ = nullptr;
        if (p == nullptr || p[0] != PageData || u32(p + l.ownerOffset) != table_.page) {
            continue;
        }
        page_ = p;
        slot_ = 0;
        slots_ = u16(p + l.rowCountOffset);
        if (l.firstSlot + 2 * slots_ > file_.pageSize()) {
            throw JetError(errors::UnrecognizedFormat,
                           QStringLiteral("The database is damaged: a page holds too many rows."));
        }
        fetchAhead(l);
    }
}

} // namespace velox::jet
