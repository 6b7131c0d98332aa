#pragma once

// An owning BSTR: frees its string when it goes.

#include "platform/com/Bstr.h"

#include <utility>

namespace velox::com {

class ComBstr {
public:
    ComBstr() = default;
    explicit ComBstr(QStringView text) : s_(bstrFromQString(text)) {}
    ComBstr(const ComBstr& other) : s_(SysAllocStringLen(other.s_, SysStringLen(other.s_))) {}
    ComBstr(ComBstr&& other) noexcept : s_(std::exchange(other.s_, nullptr)) {}
    ComBstr& operator=(ComBstr other) noexcept {
        std::swap(s_, other.s_);
        return *this;
    }
    ~ComBstr() { SysFreeString(s_); }

    static ComBstr attach(BSTR s) {
        ComBstr result;
        result.s_ = s;
        return result;
    }
    BSTR detach() { return std::exchange(s_, nullptr); }
    BSTR* put() {
        SysFreeString(std::exchange(s_, nullptr));
        return &s_;
    }
    [[nodiscard]] BSTR get() const { return s_; }
    [[nodiscard]] QString toQString() const { return qStringFromBstr(s_); }

private:
    BSTR s_ = nullptr;
};

} // namespace velox::com
