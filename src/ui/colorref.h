#pragma once

#include "settings/aquarium_settings.h"

#include <cstdint>

namespace quillmere {

// A colour's three channels, 0 to 255 each.
struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// The controls' colour tables and the settings file give colours as ColorRef, red in the low byte.
constexpr Rgb rgbFromColorRef(ColorRef value) {
    return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF),
            static_cast<std::uint8_t>((value >> 16) & 0xFF)};
}

constexpr ColorRef colorRefFromRgb(Rgb colour) {
    return static_cast<ColorRef>(std::uint32_t{colour.red} | (std::uint32_t{colour.green} << 8) |
                                 (std::uint32_t{colour.blue} << 16));
}

} // namespace quillmere
