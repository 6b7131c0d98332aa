#include "tanlink/PropExchange.h"

#include <QtEndian>

namespace velox::tanlink {

bool PropExchange::exchange(com::DWORD& value) {
    if (saving_) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        data_.append(bytes, 4);
        return true;
    }
    if (data_.size() - position_ < 4) {
        return false;
    }
    value = qFromLittleEndian<com::DWORD>(data_.constData() + position_);
    position_ += 4;
    return true;
}

bool PropExchange::exchange(com::LONG& value) {
    auto raw = static_cast<com::DWORD>(value);
    if (!exchange(raw)) {
        return false;
    }
    value = static_cast<com::LONG>(raw);
    return true;
}

} // namespace velox::tanlink
