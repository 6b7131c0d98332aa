#include "platform/jet/DataPageBuilder.h"

#include "platform/jet/JetFormat.h"

namespace velox::jet {

using namespace format;

DataPageBuilder::DataPageBuilder(std::uint32_t owner)
    : page_(Jet4PageSize, '\0'), top_(Jet4PageSize) {
    page_[0] = static_cast<char>(PageData);
    page_[1] = 0x01;
    put32(page_.data() + DataPageJet4.ownerOffset, owner);
    put16(page_.data() + 2, static_cast<std::uint16_t>(Jet4PageSize - DataPageJet4.firstSlot));
}

int DataPageBuilder::maxRowSize() {
    return Jet4PageSize - DataPageJet4.firstSlot - 2;
}

bool DataPageBuilder::fits(qsizetype rowSize) const {
    const int slotEnd = DataPageJet4.firstSlot + 2 * (rows_ + 1);
    return top_ - rowSize >= slotEnd;
}

int DataPageBuilder::add(const QByteArray& row) {
    top_ -= static_cast<int>(row.size());
    std::memcpy(page_.data() + top_, row.constData(), static_cast<std::size_t>(row.size()));
    put16(page_.data() + DataPageJet4.firstSlot + std::ptrdiff_t{2} * rows_,
          static_cast<std::uint16_t>(top_));
    ++rows_;
    put16(page_.data() + DataPageJet4.rowCountOffset, static_cast<std::uint16_t>(rows_));
    const int freeSpace = top_ - (DataPageJet4.firstSlot + 2 * rows_);
    put16(page_.data() + 2, static_cast<std::uint16_t>(freeSpace));
    return rows_ - 1;
}

} // namespace velox::jet
