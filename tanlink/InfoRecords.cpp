#include "tanlink/InfoRecords.h"

#include <QtEndian>
#include <cstring>

namespace velox::tanlink {

DWORD readDword(const BYTE* record, std::size_t offset) {
    return qFromLittleEndian<DWORD>(record + offset);
}

LONG readLong(const BYTE* record, std::size_t offset) {
    return qFromLittleEndian<LONG>(record + offset);
}

int readSignedByte(const BYTE* record, std::size_t offset) {
    const int byte = record[offset];
    return byte >= 0x80 ? byte - 0x100 : byte;
}

QByteArray readText(const BYTE* record, std::size_t offset, std::size_t capacity) {
    const char* field = reinterpret_cast<const char*>(record + offset);
    const void* nul = std::memchr(field, '\0', capacity);
    const std::size_t length =
        nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : capacity;
    return QByteArray(field, static_cast<qsizetype>(length));
}

DWORD readLow32(const BYTE* record, std::size_t lowOffset, std::size_t highOffset) {
    const quint64 value =
        (quint64{readDword(record, highOffset)} << 32) | readDword(record, lowOffset);
    return static_cast<DWORD>(value & 0xFFFFFFFFu);
}

com::FILETIME readFileTime(const BYTE* record, std::size_t offset) {
    return com::FILETIME{readDword(record, offset), readDword(record, offset + 4)};
}

} // namespace velox::tanlink
