#pragma once

#include <cstdint>

namespace quillmere {

// Windows colour value: 0x00BBGGRR, red in the low byte. The settings file, the tint and the controls'
// colour tables all give colours this way.
using ColorRef = std::int32_t;

// A colour's three channels, 0 to 255 each.
struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

constexpr Rgb rgbFromColorRef(ColorRef value) {
    return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF),
            static_cast<std::uint8_t>((value >> 16) & 0xFF)};
}

constexpr ColorRef colorRefFromRgb(Rgb colour) {
    return static_cast<ColorRef>(std::uint32_t{colour.red} | (std::uint32_t{colour.green} << 8) |
                                 (std::uint32_t{colour.blue} << 16));
}

} // namespace quillmere
