#pragma once

#include "platform/jet/DataPageBuilder.h"
#include "platform/jet/PageList.h"

#include <QByteArray>
#include <optional>

namespace velox::jet {

// Stores long values (memo data) in a row or on long-value pages and
// returns the field as the row holds it: a 12-byte header, followed by the
// data itself when it stays in the row.
class LongValueWriter {
public:
    explicit LongValueWriter(PageList& pages) : pages_(pages) {}

    static QByteArray inlineField(const QByteArray& data);
    // Out of the row: one long-value row when the data fits a page, a chain
    // of pages otherwise.
    QByteArray storeOutside(const QByteArray& data);
    // Writes the page being filled.
    void flush();

private:
    static QByteArray header(std::uint32_t length, std::uint8_t kind, std::uint32_t pointer);
    PageList& pages_;
    std::optional<DataPageBuilder> current_;
    std::uint32_t currentPage_ = 0;
};

} // namespace velox::jet
