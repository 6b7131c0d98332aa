#pragma once

#include "platform/win/runtime/RuntimeError.h"

#include <utility>

namespace velox::win {

// The three ways a handler meets a run-time error. Each handler names its
// regime in one line:
//
//   untrapped(...)              the error goes to the caller;
//   trapped(...)                the handler ends silently, keeping what it did;
//   trappedReporting(..., r)    the handler ends and r decides what to show.
//
// The steps already done stay done in every regime: nothing is rolled back.

template <class Steps> decltype(auto) untrapped(Steps&& steps) {
    return std::forward<Steps>(steps)();
}

// Returns false when a run-time error ended the steps early.
template <class Steps> bool trapped(Steps&& steps) {
    try {
        std::forward<Steps>(steps)();
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

template <class Steps, class Report> bool trappedReporting(Steps&& steps, Report&& report) {
    try {
        std::forward<Steps>(steps)();
        return true;
    } catch (const RuntimeError& error) {
        std::forward<Report>(report)(error);
        return false;
    }
}

} // namespace velox::win
