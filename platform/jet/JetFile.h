#pragma once

#include "platform/jet/DatabaseHeader.h"

#include <QFile>
#include <QString>
#include <cstdint>

namespace velox::jet {

// A Jet file opened for reading: its header and bounds-checked access to
// its pages, mapped into memory.
class JetFile {
public:
    // Raises 3024 when the file does not exist, 3051 when it cannot be
    // read, 3343 when it is not a Jet 3 or Jet 4 database.
    explicit JetFile(const QString& path);
    JetFile(const JetFile&) = delete;
    JetFile& operator=(const JetFile&) = delete;

    [[nodiscard]] const DatabaseHeader& header() const { return header_; }
    [[nodiscard]] format::Version version() const { return header_.version; }
    [[nodiscard]] int pageSize() const { return header_.pageSize; }
    [[nodiscard]] std::uint32_t pageCount() const { return pageCount_; }
    // The page's bytes, or nullptr when the file has no such page.
    [[nodiscard]] const char* page(std::uint32_t number) const {
        return number < pageCount_ ? data_ + static_cast<qsizetype>(number) * header_.pageSize
                                   : nullptr;
    }
    // The page, which must exist and be of the given type; raises 3343 otherwise.
    [[nodiscard]] const char* requirePage(std::uint32_t number, std::uint8_t type) const;

private:
    QFile file_;
    QByteArray copy_; // used when the file cannot be mapped
    const char* data_ = nullptr;
    std::uint32_t pageCount_ = 0;
    DatabaseHeader header_;
};

} // namespace velox::jet
