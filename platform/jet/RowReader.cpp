#include "platform/jet/RowReader.h"

#include "platform/jet/JetError.h"

namespace velox::jet {

using namespace format;

namespace {

[[noreturn]] void damagedRow() {
    throw JetError(errors::UnrecognizedFormat,
                   QStringLiteral("The database is damaged: a row is malformed."));
}

} // namespace

void RowReader::crack(Version version, const TableDef& table, const char* row, int size,
                      std::vector<FieldSlice>& out) {
    const bool jet3 = version == Version::Jet3;
    const int countSize = jet3 ? 1 : 2;
    if (size < countSize) {
        damagedRow();
    }
    const int rowColumns = jet3 ? static_cast<std::uint8_t>(row[0]) : u16(row);
    const int maskSize = (rowColumns + 7) / 8;
    if (size < countSize + maskSize) {
        damagedRow();
    }
    const char* mask = row + size - maskSize;

    // Offsets of the variable-length fields; the entry after the last is the end.
    int varCount = 0;
    int varOffsets[260];
    if (table.varColumns > 0) {
        if (jet3) {
            const int varLenAt = size - maskSize - 1;
            if (varLenAt < countSize) {
                damagedRow();
            }
            varCount = static_cast<std::uint8_t>(row[varLenAt]);
            int jumps = (size - 1) / 256;
            const int tableAt = varLenAt - jumps - 1;
            if (tableAt - varCount < countSize) {
                damagedRow();
            }
            if ((tableAt - countSize - varCount) / 256 < jumps) {
                --jumps;
            }
            const int entriesAt = varLenAt - jumps - 1;
            if (entriesAt - varCount < countSize) {
                damagedRow();
            }
            int used = 0;
            for (int i = 0; i <= varCount; ++i) {
                while (used < jumps && i == static_cast<std::uint8_t>(row[varLenAt - 1 - used])) {
                    ++used;
                }
                varOffsets[i] = static_cast<std::uint8_t>(row[entriesAt - i]) + 256 * used;
            }
        } else {
            const int varLenAt = size - maskSize - 2;
            if (varLenAt < countSize) {
                damagedRow();
            }
            varCount = u16(row + varLenAt);
            if (varCount > 256 || varLenAt - 2 * varCount - 2 < countSize) {
                damagedRow();
            }
            for (int i = 0; i < varCount; ++i) {
                varOffsets[i] = u16(row + varLenAt - std::ptrdiff_t{2} * (i + 1));
            }
            varOffsets[varCount] = u16(row + varLenAt - std::ptrdiff_t{2} * varCount - 2);
        }
        const int limit = size - maskSize;
        for (int i = 0; i <= varCount; ++i) {
            if (varOffsets[i] < countSize || varOffsets[i] > limit ||
                (i > 0 && varOffsets[i] < varOffsets[i - 1])) {
                damagedRow();
            }
        }
    }

    out.assign(table.columns.size(), FieldSlice{});
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        const ColumnDef& c = table.columns[i];
        FieldSlice& f = out[i];
        const bool bit = c.number < rowColumns &&
                         ((static_cast<std::uint8_t>(mask[c.number / 8]) >> (c.number % 8)) & 1);
        if (c.type == ColumnType::Boolean) {
            f.present = true;
            f.flag = bit;
            continue;
        }
        if (!bit) {
            continue;
        }
        if (c.isFixed()) {
            const int at = countSize + c.fixedOffset;
            const int length = fixedSize(c.type);
            if (length == 0 || at + length > size - maskSize) {
                damagedRow();
            }
            f.present = true;
            f.data = row + at;
            f.size = length;
        } else {
            if (c.varIndex >= varCount) {
                continue;
            }
            f.present = true;
            f.data = row + varOffsets[c.varIndex];
            f.size = varOffsets[c.varIndex + 1] - varOffsets[c.varIndex];
        }
    }
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
