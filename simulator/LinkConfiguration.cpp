#include "simulator/LinkConfiguration.h"

#include "tanlink/EngineCodes.h"

#include <algorithm>
#include <array>

namespace velox::simulator {

com::LONG LinkConfiguration::set(com::LONG baud, com::LONG port) {
    static constexpr std::array<com::LONG, 6> kRates = {9600, 19200, 38400, 57600, 115200, 230400};
    if (std::find(kRates.begin(), kRates.end(), baud) == kRates.end() || port < 1 || port > 8) {
        return tanlink::kErrorInvalidParameter;
    }
    std::lock_guard lock(mutex_);
    baud_ = baud;
    port_ = port;
    return tanlink::kOk;
}

void LinkConfiguration::get(com::LONG* baud, com::LONG* port) const {
    std::lock_guard lock(mutex_);
    if (baud != nullptr) {
        *baud = baud_;
    }
    if (port != nullptr) {
        *port = port_;
    }
}

} // namespace velox::simulator
