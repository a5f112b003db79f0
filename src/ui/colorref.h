#pragma once

#include <cstdint>

namespace quillmere {

// A colour as the settings file and the controls' tables give it: 0x00BBGGRR, red in the low byte.
using Colorref = std::uint32_t;

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

constexpr Rgb rgbFromColorref(Colorref value) {
    return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF),
            static_cast<std::uint8_t>((value >> 16) & 0xFF)};
}

constexpr Colorref colorrefFromRgb(Rgb colour) {
    return Colorref{colour.red} | (Colorref{colour.green} << 8) | (Colorref{colour.blue} << 16);
}

} // namespace quillmere
