#pragma once

// Takes typed pieces off the front of a fuzz input; what runs out reads as
// zero bytes, so every input describes some case.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace velox::fuzz {

class FuzzBytes {
public:
    FuzzBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    [[nodiscard]] bool empty() const { return at_ >= size_; }
    [[nodiscard]] std::size_t remaining() const { return size_ - at_; }

    template <typename T> T take() {
        T value{};
        const std::size_t n = std::min(sizeof(T), remaining());
        std::memcpy(&value, data_ + at_, n);
        at_ += n;
        return value;
    }

    // A run of at most `limit` bytes whose length is the next byte.
    std::string takeShortString(std::size_t limit = 255) {
        const std::size_t wanted = std::min<std::size_t>(take<std::uint8_t>(), limit);
        return takeString(wanted);
    }

    std::string takeString(std::size_t wanted) {
        const std::size_t n = std::min(wanted, remaining());
        std::string text(reinterpret_cast<const char*>(data_ + at_), n);
        at_ += n;
        return text;
    }

    std::string takeRest() { return takeString(remaining()); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

} // namespace velox::fuzz
