#include "platform/win/runtime/ProgramEnd.h"

#include <cstdio>
#include <cstdlib>

namespace velox::win {
namespace {

std::function<void()>& endHandler() {
    static std::function<void()> handler;
    return handler;
}

} // namespace

void End() {
    if (endHandler()) {
        endHandler()();
    }
    std::fflush(nullptr);
    std::_Exit(0);
}

void setEndHandler(std::function<void()> handler) {
    endHandler() = std::move(handler);
}

ScopedEndThrows::ScopedEndThrows() {
    setEndHandler([] { throw ProgramEnded(); });
}

ScopedEndThrows::~ScopedEndThrows() {
    setEndHandler({});
}

} // namespace velox::win
