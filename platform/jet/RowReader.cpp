#include "platform/jet/RowReader.h"

#include "platform/jet/JetError.h"

#include <algorithm>

namespace velox::jet {

using namespace format;

namespace {

[[noreturn]] void damagedRow() {
    throw JetError(errors::UnrecognizedFormat,
                   QStringLiteral("The database is damaged: a row is malformed."));
}

} // namespace

RowReader::RowReader(Version version, const TableDef& table)
    : table_(table), jet3_(version == Version::Jet3), countSize_(jet3_ ? 1 : 2) {
    for (const ColumnDef& c : table.columns) {
        if (c.type == ColumnType::Boolean || !c.isFixed()) {
            continue;
        }
        const int length = fixedSize(c.type);
        sizelessFixed_ = sizelessFixed_ || length == 0;
        fixedEnd_ = std::max(fixedEnd_, countSize_ + c.fixedOffset + length);
    }
}

void RowReader::read(const char* row, int size) {
    row_ = row;
    size_ = size;
    if (size < countSize_) {
        damagedRow();
    }
    rowColumns_ = jet3_ ? static_cast<std::uint8_t>(row[0]) : u16(row);
    maskSize_ = (rowColumns_ + 7) / 8;
    if (size < countSize_ + maskSize_) {
        damagedRow();
    }
    mask_ = row + size - maskSize_;
    varCount_ = 0;
    if (table_.varColumns > 0) {
        readVariableOffsets();
    }
    if (sizelessFixed_ || fixedEnd_ > size - maskSize_) {
        checkFixedFields();
    }
}

void RowReader::readVariableOffsets() {
    if (jet3_) {
        const int varLenAt = size_ - maskSize_ - 1;
        if (varLenAt < countSize_) {
            damagedRow();
        }
        readJet3Offsets(varLenAt);
    } else {
        const int varLenAt = size_ - maskSize_ - 2;
        if (varLenAt < countSize_) {
            damagedRow();
        }
        varCount_ = u16(row_ + varLenAt);
        if (varCount_ > 256 || varLenAt - 2 * varCount_ - 2 < countSize_) {
            damagedRow();
        }
        for (int i = 0; i < varCount_; ++i) {
            varOffsets_[static_cast<std::size_t>(i)] =
                u16(row_ + varLenAt - std::ptrdiff_t{2} * (i + 1));
        }
        varOffsets_[static_cast<std::size_t>(varCount_)] =
            u16(row_ + varLenAt - std::ptrdiff_t{2} * varCount_ - 2);
    }
    const int limit = size_ - maskSize_;
    for (std::size_t i = 0; i <= static_cast<std::size_t>(varCount_); ++i) {
        if (varOffsets_[i] < countSize_ || varOffsets_[i] > limit ||
            (i > 0 && varOffsets_[i] < varOffsets_[i - 1])) {
            damagedRow();
        }
    }
}

// Jet 3 keeps one byte per offset, with a table of the places where the
// offsets pass another 256 bytes.
void RowReader::readJet3Offsets(int varLenAt) {
    const char* row = row_;
    varCount_ = static_cast<std::uint8_t>(row[varLenAt]);
    int jumps = (size_ - 1) / 256;
    const int tableAt = varLenAt - jumps - 1;
    if (tableAt - varCount_ < countSize_) {
        damagedRow();
    }
    if ((tableAt - countSize_ - varCount_) / 256 < jumps) {
        --jumps;
    }
    const int entriesAt = varLenAt - jumps - 1;
    if (entriesAt - varCount_ < countSize_) {
        damagedRow();
    }
    int used = 0;
    for (int i = 0; i <= varCount_; ++i) {
        while (used < jumps && i == static_cast<std::uint8_t>(row[varLenAt - 1 - used])) {
            ++used;
        }
        varOffsets_[static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(row[entriesAt - i]) + 256 * used;
    }
}

// Every fixed-length field the mask marks present has to lie in the fixed area.
void RowReader::checkFixedFields() const {
    for (std::size_t i = 0; i < table_.columns.size(); ++i) {
        const ColumnDef& c = table_.columns[i];
        if (c.type == ColumnType::Boolean || !c.isFixed() || !field(i).present) {
            continue;
        }
        const int at = countSize_ + c.fixedOffset;
        const int length = fixedSize(c.type);
        if (length == 0 || at + length > size_ - maskSize_) {
            damagedRow();
        }
    }
}

FieldSlice RowReader::field(std::size_t column) const {
    const ColumnDef& c = table_.columns[column];
    FieldSlice f;
    const bool bit = c.number < rowColumns_ &&
                     ((static_cast<std::uint8_t>(mask_[c.number / 8]) >> (c.number % 8)) & 1);
    if (c.type == ColumnType::Boolean) {
        f.present = true;
        f.flag = bit;
        return f;
    }
    if (!bit) {
        return f;
    }
    if (c.isFixed()) {
        f.present = true;
        f.data = row_ + countSize_ + c.fixedOffset;
        f.size = fixedSize(c.type);
    } else if (c.varIndex < varCount_) {
        const auto v = static_cast<std::size_t>(c.varIndex);
        f.present = true;
        f.data = row_ + varOffsets_[v];
        f.size = varOffsets_[v + 1] - varOffsets_[v];
    }
    return f;
}

bool locateRow(const JetFile& file, const char* page, int slot, RowLocation& out,
               bool followLookup) {
    const DataPageLayout& l = file.version() == Version::Jet3 ? DataPageJet3 : DataPageJet4;
    const int pageSize = file.pageSize();
    const int rows = u16(page + l.rowCountOffset);
    if (slot < 0 || slot >= rows || l.firstSlot + 2 * rows > pageSize) {
        damagedRow();
    }
    const std::uint16_t entry = u16(page + l.firstSlot + std::ptrdiff_t{2} * slot);
    if (entry & SlotDeleted) {
        return false;
    }
    const int start = entry & SlotOffsetMask;
    const int end =
        slot == 0 ? pageSize
                  : (u16(page + l.firstSlot + std::ptrdiff_t{2} * (slot - 1)) & SlotOffsetMask);
    if (start < l.firstSlot + 2 * rows || end > pageSize || end <= start) {
        damagedRow();
    }
    if (entry & SlotLookup) {
        if (!followLookup || end - start < 4) {
            damagedRow();
        }
        const std::uint32_t pointer = u32(page + start);
        const char* target = file.page(pointer >> 8);
        if (target == nullptr || target[0] != PageData) {
            damagedRow();
        }
        return locateRow(file, target, static_cast<int>(pointer & 0xff), out, false);
    }
    out.data = page + start;
    out.size = end - start;
    return true;
}

} // namespace velox::jet
