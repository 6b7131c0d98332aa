#pragma once

// One line of the summary table `./velox bench` prints at the end: a measured
// ratio beside its target. Each benchmark program prints its lines as it
// ends; when VELOX_BENCH_SUMMARY names a file they are appended there too,
// tab-separated, for the table.
#include <cstdio>
#include <cstdlib>
#include <string>

namespace velox::bench {

enum class Bound { AtMost, AtLeast };

inline void summarise(const std::string& what, double measured, Bound bound, double target) {
    const bool met = bound == Bound::AtMost ? measured <= target : measured >= target;
    const char* const relation = bound == Bound::AtMost ? "at most" : "at least";
    std::printf("%-52s %8.2f  (%s %.2f: %s)\n", what.c_str(), measured, relation, target,
                met ? "met" : "NOT met");
    const char* const file = std::getenv("VELOX_BENCH_SUMMARY");
    if (file == nullptr || *file == '\0') {
        return;
    }
    if (std::FILE* out = std::fopen(file, "a")) {
        std::fprintf(out, "%s\t%.2f\t%s %.2f\t%s\n", what.c_str(), measured, relation, target,
                     met ? "met" : "NOT met");
        std::fclose(out);
    }
}

} // namespace velox::bench
