#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace quillmere::testing_support {

// Builds uncompressed Windows bitmaps for the loader tests. Pixel values are 0xAARRGGBB for 24 and 32
// bits (alpha written only for 32) and palette indices for 8 bits; rows are counted from the bottom of
// the picture whichever way they are stored. Row padding is filled with 0xEE so that a reader that takes
// padding for pixels shows it.
struct BitmapLayout {
    int width = 1;
    int height = 1;
    int bitCount = 24;
    bool topDown = false;
    std::vector<std::uint32_t> palette; // 0x00RRGGBB, 8 bits only
    std::uint32_t colorsUsed = 0;       // biClrUsed as written
    std::function<std::uint32_t(int x, int row)> pixel = [](int, int) { return 0u; };
};

inline BitmapLayout bitmapLayout(int width, int height, int bitCount, bool topDown = false) {
    BitmapLayout layout;
    layout.width = width;
    layout.height = height;
    layout.bitCount = bitCount;
    layout.topDown = topDown;
    return layout;
}

constexpr std::size_t BfOffBitsAt = 10;
constexpr std::size_t BiSizeAt = 14;
constexpr std::size_t BiWidthAt = 18;
constexpr std::size_t BiHeightAt = 22;
constexpr std::size_t BiBitCountAt = 28;
constexpr std::size_t BiCompressionAt = 30;
constexpr std::size_t BiSizeImageAt = 34;
constexpr std::size_t BiClrUsedAt = 46;

inline void putU16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    out.at(at) = static_cast<std::uint8_t>(value);
    out.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
}

inline void putU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    putU16(out, at, value & 0xFFFF);
    putU16(out, at + 2, value >> 16);
}

inline std::vector<std::uint8_t> encodeBitmap(const BitmapLayout& layout) {
    const std::size_t rowBytes = (static_cast<std::size_t>(layout.width) * layout.bitCount + 31) / 32 * 4;
    const std::size_t paletteBytes = layout.palette.size() * 4;
    const std::size_t offset = 54 + paletteBytes;
    std::vector<std::uint8_t> out(offset);
    out[0] = 'B';
    out[1] = 'M';
    putU32(out, BfOffBitsAt, static_cast<std::uint32_t>(offset));
    putU32(out, BiSizeAt, 40);
    putU32(out, BiWidthAt, static_cast<std::uint32_t>(layout.width));
    putU32(out, BiHeightAt, static_cast<std::uint32_t>(layout.topDown ? -layout.height : layout.height));
    putU16(out, 26, 1);
    putU16(out, BiBitCountAt, static_cast<std::uint32_t>(layout.bitCount));
    putU32(out, BiSizeImageAt, static_cast<std::uint32_t>(rowBytes * layout.height));
    putU32(out, BiClrUsedAt, layout.colorsUsed);
    for (std::size_t i = 0; i < layout.palette.size(); ++i)
        putU32(out, 54 + i * 4, layout.palette[i]);
    for (int stored = 0; stored < layout.height; ++stored) {
        const int row = layout.topDown ? layout.height - 1 - stored : stored;
        const std::size_t start = out.size();
        for (int x = 0; x < layout.width; ++x) {
            const std::uint32_t v = layout.pixel(x, row);
            for (int byte = 0; byte < layout.bitCount / 8; ++byte)
                out.push_back(static_cast<std::uint8_t>(v >> (8 * byte)));
        }
        out.resize(start + rowBytes, 0xEE);
    }
    putU32(out, 2, static_cast<std::uint32_t>(out.size()));
    return out;
}

// A distinct colour for every pixel of a small picture, 0x00RRGGBB, never black.
inline std::uint32_t testColour(int x, int row) {
    return static_cast<std::uint32_t>((x * 37 + 11) & 0xFF) << 16 |
           static_cast<std::uint32_t>((row * 53 + 7) & 0xFF) << 8 |
           static_cast<std::uint32_t>((x * 5 + row * 17 + 3) & 0xFF);
}

} // namespace quillmere::testing_support
