#pragma once

#include <cstdint>
#include <vector>

namespace quillmere::assetgen {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const Rgb&) const = default;
};

// A 24-bit picture. Rows are kept in file order: row 0 is the first row stored in the bitmap,
// which the texture loaders hand to OpenGL as texture coordinate t = 0.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    Picture(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h) {}

    Rgb& at(int x, int row) { return pixels[static_cast<std::size_t>(row) * width + x]; }
    const Rgb& at(int x, int row) const { return pixels[static_cast<std::size_t>(row) * width + x]; }
};

} // namespace quillmere::assetgen
