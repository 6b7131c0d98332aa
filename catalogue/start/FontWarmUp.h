#pragma once

#include <thread>

namespace veloxcd {

// Reads the system's font configuration on a thread of its own. Reading it
// (every configuration file, parsed) is the largest single cost of a Qt
// program's first text; started before the application object exists, it is
// done by the time the About screen measures its credits. The first text
// waits for it if need be. Made once, at the very start of the program.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    std::thread thread_;
};

} // namespace veloxcd
