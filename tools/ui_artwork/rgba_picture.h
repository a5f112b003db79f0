#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillmere::uiart {

// An 8-bit RGBA picture with straight (not premultiplied) alpha, top row first.
struct RgbaPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    RgbaPicture(int w, int h) : width(w), height(h), rgba(static_cast<std::size_t>(w) * h * 4) {}

    std::uint8_t* at(int x, int y) { return rgba.data() + (static_cast<std::size_t>(y) * width + x) * 4; }
    const std::uint8_t* at(int x, int y) const {
        return rgba.data() + (static_cast<std::size_t>(y) * width + x) * 4;
    }
};

} // namespace quillmere::uiart
