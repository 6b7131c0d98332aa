#pragma once

#include <cstdint>
#include <vector>

namespace veloxcd {

// A picture stored with the windows, as compiled into the program by the build
// (tools/pixels from catalogue/resources): 32-bit ARGB words with
// premultiplied alpha, row after row.
struct StoredPixels {
    const char* name;
    int width;
    int height;
    bool transparent; // false: every pixel is opaque
    const std::uint32_t* pixels;
};

extern const std::vector<StoredPixels> storedPixels;

} // namespace veloxcd
