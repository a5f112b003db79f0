#pragma once

#include "rgba_picture.h"

namespace quillmere::uiart {

// The popup menu's icon for resource id 180, 137, 253, 232 or 175, 24 x 24 logical pixels at the given
// scale, on a transparent ground.
RgbaPicture makeMenuIcon(int id, int scale);

// The check box's indicator, 16 x 16 logical pixels: a green box with a white tick, or an empty one.
RgbaPicture makeCheckIcon(bool checked, int scale);

} // namespace quillmere::uiart
