#pragma once

// The link settings of one engine: baud rate and port. Read and written
// from any thread.

#include "platform/com/Types.h"

#include <mutex>

namespace velox::simulator {

class LinkConfiguration {
public:
    // 0, or 87 for a baud rate the link does not run at or a port outside 1 to 8.
    com::LONG set(com::LONG baud, com::LONG port);
    void get(com::LONG* baud, com::LONG* port) const;

private:
    mutable std::mutex mutex_;
    com::LONG baud_ = 115200;
    com::LONG port_ = 1;
};

} // namespace velox::simulator
