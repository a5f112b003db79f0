#pragma once

#include "rgba_picture.h"

namespace quillmere::uiart {

// The program's icon, pixels x pixels: a rounded tile of deep water with a fish, bubbles and sand.
// Small sizes leave out the details that would only blur.
RgbaPicture makeProgramIcon(int pixels);

} // namespace quillmere::uiart
