#pragma once

#include "core/color_ref.h"

#include <wx/colour.h>

namespace quillmere {

// The one place a ColorRef (0x00BBGGRR) becomes a colour the toolkit draws with.
inline wxColour toWxColour(ColorRef value) {
    const Rgb rgb = rgbFromColorRef(value);
    return wxColour(rgb.red, rgb.green, rgb.blue);
}

} // namespace quillmere
