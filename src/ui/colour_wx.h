#pragma once

#include "ui/colorref.h"

#include <wx/colour.h>

namespace quillmere {

// The one conversion from the controls' ColorRef values (red in the low byte) to the toolkit's colour.
inline wxColour wxColourFromColorRef(ColorRef value) {
    const Rgb rgb = rgbFromColorRef(value);
    return {rgb.red, rgb.green, rgb.blue};
}

} // namespace quillmere
