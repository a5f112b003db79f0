#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillmere {

// An 8-bit RGB picture, top row first, three bytes a pixel with no row padding.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    const std::uint8_t* row(int y) const { return pixels.data() + static_cast<std::size_t>(y) * width * 3; }
};

} // namespace quillmere
