#pragma once

// Thrown by a member implementation to fail a late-bound call with a plain
// HRESULT (no exception record), such as E_NOTIMPL or E_INVALIDARG.

#include "platform/com/Types.h"

#include <exception>

namespace velox::com {

class ComError : public std::exception {
public:
    explicit ComError(HRESULT hr) : hr_(hr) {}
    [[nodiscard]] HRESULT hr() const { return hr_; }
    [[nodiscard]] const char* what() const noexcept override { return "COM error"; }

private:
    HRESULT hr_;
};

} // namespace velox::com
