#pragma once

#include <QByteArray>
#include <cstdint>
#include <cstring>

// Facts of the Jet 3 and Jet 4 file formats that the writer and the reader
// share: page sizes, page types and the offsets within each structure.
namespace velox::jet::format {

enum class Version : std::uint8_t { Jet3 = 0, Jet4 = 1 };

inline constexpr int Jet3PageSize = 2048;
inline constexpr int Jet4PageSize = 4096;

// First byte of every page.
inline constexpr std::uint8_t PageDatabaseDefinition = 0x00;
inline constexpr std::uint8_t PageData = 0x01;
inline constexpr std::uint8_t PageTableDefinition = 0x02;
inline constexpr std::uint8_t PageUsageBitmap = 0x05;

// The database definition page (page 0).
inline constexpr int HeaderVersionOffset = 0x14;
inline constexpr int HeaderEncryptedStart = 0x18;
inline constexpr int HeaderEncryptedJet3 = 126;
inline constexpr int HeaderEncryptedJet4 = 128;
inline constexpr int HeaderCodePageOffset = 0x3c;
inline constexpr int HeaderDatabaseKeyOffset = 0x3e;
inline constexpr int HeaderPasswordOffset = 0x42;
inline constexpr int HeaderPasswordJet3 = 20;
inline constexpr int HeaderPasswordJet4 = 40;
inline constexpr int HeaderSortOrderJet4 = 0x6e;
inline constexpr int HeaderCreationDateJet4 = 0x72;
inline constexpr std::uint8_t HeaderRc4Key[4] = {0xc7, 0xda, 0x39, 0x6b};
inline constexpr char HeaderEngineName[] = "Standard Jet DB";

// The catalogue's table definition always starts on page 2.
inline constexpr std::uint32_t CatalogueTablePage = 2;

// Data pages (and long-value pages, whose owner field reads "LVAL").
struct DataPageLayout {
    int ownerOffset;    // page of the owning table definition
    int rowCountOffset; // number of row slots
    int firstSlot;      // the slot table follows the count
};
inline constexpr DataPageLayout DataPageJet3{4, 8, 10};
inline constexpr DataPageLayout DataPageJet4{4, 12, 14};
inline constexpr std::uint32_t LongValueOwner = 0x4c41564c; // "LVAL" read little-endian
inline constexpr std::uint16_t SlotDeleted = 0x8000;
inline constexpr std::uint16_t SlotLookup = 0x4000;
inline constexpr std::uint16_t SlotOffsetMask = 0x1fff;

// Table definition pages.
struct TableDefLayout {
    int rowCount;
    int tableType;
    int maxColumns;
    int varColumns;
    int columns;
    int logicalIndexes;
    int realIndexes;
    int usedPages;
    int freePages;
    int firstRealIndex;
    int realIndexSize;
    int columnSize;
    // Offsets within one column entry.
    int colType, colNumber, colVarIndex, colFlags, colMiscFlags, colFixedOffset, colLength;
    int colSortOrder;
    int nameLengthSize; // 1 (Jet 3) or 2 (Jet 4, names in UCS-2)
};
inline constexpr TableDefLayout TableDefJet3{12, 20, 21, 23, 25, 27, 31, 35, 39, 43, 8,
                                             18, 0,  1,  3,  13, -1, 14, 16, 7,  1};
inline constexpr TableDefLayout TableDefJet4{16, 40, 41, 43, 45, 47, 51, 55, 59, 63, 12,
                                             25, 0,  5,  7,  15, 16, 21, 23, 11, 2};

// Column types.
enum class ColumnType : std::uint8_t {
    Boolean = 0x01,
    Byte = 0x02,
    Integer = 0x03,
    Long = 0x04,
    Currency = 0x05,
    Single = 0x06,
    Double = 0x07,
    DateTime = 0x08,
    Binary = 0x09,
    Text = 0x0a,
    Ole = 0x0b,
    Memo = 0x0c,
    Guid = 0x0f,
    Numeric = 0x10,
};

// Column flags.
inline constexpr std::uint8_t ColumnFixed = 0x01;
inline constexpr std::uint8_t ColumnNullable = 0x02;
inline constexpr std::uint8_t ColumnUpdatable = 0x10;
inline constexpr std::uint8_t ColumnCompressedUnicode = 0x01; // misc flags, Jet 4

inline constexpr std::uint16_t GeneralSortOrder = 0x0409;
inline constexpr std::uint16_t CodePage1252 = 1252;

// A long value (memo) field in a row: 3 bytes length, 1 byte kind, then a
// pointer (page << 8 | row) and 4 unused bytes; inline data follows.
inline constexpr int LongValueHeaderSize = 12;
inline constexpr std::uint8_t LongValueInline = 0x80;
inline constexpr std::uint8_t LongValueSingle = 0x40;
inline constexpr std::uint8_t LongValueChain = 0x00;

// Catalogue object types and flags.
inline constexpr std::int16_t ObjectTable = 1;
inline constexpr std::int16_t ObjectContainer = 3;
inline constexpr std::int32_t TablesContainerId = 0x0f000001;
inline constexpr std::int32_t RootContainerId = 0x0f000000;
inline constexpr std::uint32_t SystemObjectFlags = 0x80000002;

// Little-endian access within a buffer the caller has bounds-checked.
inline std::uint16_t u16(const char* p) {
    std::uint16_t v;
    std::memcpy(&v, p, 2);
    return v;
}
inline std::uint32_t u32(const char* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}
inline std::uint32_t u24(const char* p) {
    return static_cast<std::uint8_t>(p[0]) | (static_cast<std::uint8_t>(p[1]) << 8) |
           (static_cast<std::uint8_t>(p[2]) << 16);
}
inline void put16(char* p, std::uint16_t v) {
    std::memcpy(p, &v, 2);
}
inline void put32(char* p, std::uint32_t v) {
    std::memcpy(p, &v, 4);
}
inline void put24(char* p, std::uint32_t v) {
    p[0] = static_cast<char>(v & 0xff);
    p[1] = static_cast<char>((v >> 8) & 0xff);
    p[2] = static_cast<char>((v >> 16) & 0xff);
}

} // namespace velox::jet::format
