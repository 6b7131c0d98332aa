#pragma once

// The arguments of one event, in declared order, as the connection point
// fires them. Texts arrive from the engine as NUL-terminated ANSI and become
// automation strings owned here (freed when the arguments go); the cancel
// flag is passed by reference so that the sinks' answer comes back.

#include "platform/com/Variant.h"

#include <array>
#include <cstddef>

namespace velox::tanlink {

class EventArguments {
public:
    EventArguments() = default;
    ~EventArguments();
    EventArguments(const EventArguments&) = delete;
    EventArguments& operator=(const EventArguments&) = delete;

    EventArguments& addLong(com::LONG value);
    EventArguments& addShort(com::SHORT value);
    // A null text is passed as an empty string.
    EventArguments& addText(const char* ansi);
    EventArguments& addBoolRef(com::VARIANT_BOOL* flag);

    [[nodiscard]] com::VARIANT* data() { return values_.data(); }
    [[nodiscard]] com::UINT count() const { return static_cast<com::UINT>(count_); }

private:
    com::VARIANT& next();

    // No event has more than three arguments.
    std::array<com::VARIANT, 3> values_{};
    std::size_t count_ = 0;
};

} // namespace velox::tanlink
