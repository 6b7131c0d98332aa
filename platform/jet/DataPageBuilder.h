#pragma once

#include <QByteArray>
#include <cstdint>

namespace velox::jet {

// Builds one Jet 4 data page (or long-value page): a slot table that grows
// from the header down the page and rows that grow from the end up.
class DataPageBuilder {
public:
    explicit DataPageBuilder(std::uint32_t owner);

    // The largest row a fresh page can take.
    static int maxRowSize();
    [[nodiscard]] bool fits(qsizetype rowSize) const;
    // Adds a row that fits; returns its slot number.
    int add(const QByteArray& row);
    [[nodiscard]] int rowCount() const { return rows_; }
    [[nodiscard]] const QByteArray& bytes() const { return page_; }

private:
    QByteArray page_;
    int rows_ = 0;
    int top_; // start of the lowest row so far
};

} // namespace velox::jet
