#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace velox::jet {

// The pages of a file being written, numbered from 0; a page can be
// reserved first and filled later.
class PageList {
public:
    std::uint32_t reserve() {
        pages_.emplace_back();
        return static_cast<std::uint32_t>(pages_.size() - 1);
    }
    void set(std::uint32_t page, QByteArray bytes) { pages_[page] = std::move(bytes); }
    [[nodiscard]] std::uint32_t count() const { return static_cast<std::uint32_t>(pages_.size()); }
    [[nodiscard]] QByteArray join(int pageSize) const;

private:
    std::vector<QByteArray> pages_;
};

} // namespace velox::jet
