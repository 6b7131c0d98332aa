#include "platform/jet/LongValueWriter.h"

#include "platform/jet/JetFormat.h"

#include <vector>

namespace velox::jet {

using namespace format;

QByteArray LongValueWriter::header(std::uint32_t length, std::uint8_t kind, std::uint32_t pointer) {
    QByteArray h(LongValueHeaderSize, '\0');
    put24(h.data(), length);
    h[3] = static_cast<char>(kind);
    put32(h.data() + 4, pointer);
    return h;
}

QByteArray LongValueWriter::inlineField(const QByteArray& data) {
    return header(static_cast<std::uint32_t>(data.size()), LongValueInline, 0) + data;
}

QByteArray LongValueWriter::storeOutside(const QByteArray& data) {
    const auto length = static_cast<std::uint32_t>(data.size());
    if (data.size() <= DataPageBuilder::maxRowSize()) {
        if (!current_ || !current_->fits(data.size())) {
            flush();
            currentPage_ = pages_.reserve();
            current_.emplace(LongValueOwner);
        }
        const int row = current_->add(data);
        return header(length, LongValueSingle, currentPage_ << 8 | static_cast<std::uint32_t>(row));
    }
    // A chain: each page holds one row of a 4-byte pointer to the next
    // piece and as much data as fits.
    const int chunk = DataPageBuilder::maxRowSize() - 4;
    std::vector<std::uint32_t> chain;
    for (qsizetype at = 0; at < data.size(); at += chunk) {
        chain.push_back(pages_.reserve());
    }
    for (std::size_t i = 0; i < chain.size(); ++i) {
        DataPageBuilder page(LongValueOwner);
        QByteArray row(4, '\0');
        put32(row.data(), i + 1 < chain.size() ? chain[i + 1] << 8 : 0);
        row.append(data.mid(static_cast<qsizetype>(i) * chunk, chunk));
        page.add(row);
        pages_.set(chain[i], page.bytes());
    }
    return header(length, LongValueChain, chain.front() << 8);
}

void LongValueWriter::flush() {
    if (current_) {
        pages_.set(currentPage_, current_->bytes());
    }
    current_.reset();
}

} // namespace velox::jet
