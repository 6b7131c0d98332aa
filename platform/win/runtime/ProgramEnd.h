#pragma once

#include <functional>
#include <stdexcept>

namespace velox::win {

// Ends the program at once: no further events run, no window is asked.
[[noreturn]] void End();

// What End does instead, for tests: the handler must not return (it throws
// ProgramEnded, for example). An empty handler restores the real end.
void setEndHandler(std::function<void()> handler);

// Thrown by the test handler so that a test sees where the program would end.
class ProgramEnded : public std::runtime_error {
public:
    ProgramEnded() : std::runtime_error("the program ended") {}
};

// Installs a handler that throws ProgramEnded, for the lifetime of the object.
class ScopedEndThrows {
public:
    ScopedEndThrows();
    ~ScopedEndThrows();
    ScopedEndThrows(const ScopedEndThrows&) = delete;
    ScopedEndThrows& operator=(const ScopedEndThrows&) = delete;
};

} // namespace velox::win
