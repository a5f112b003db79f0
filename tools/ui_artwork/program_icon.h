#pragma once

#include "rgba_picture.h"

#include <string>

namespace quillmere::uiart {

// The program's icon, pixels x pixels: a rounded tile of deep water with a fish, bubbles and sand.
// Small sizes leave out the details that would only blur.
RgbaPicture makeProgramIcon(int pixels);

// The same icon, with all its details, as a scalable SVG document.
std::string makeProgramIconSvg();

} // namespace quillmere::uiart
