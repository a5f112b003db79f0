#pragma once

#include "rgba_picture.h"

namespace quillmere::uiart {

// Bitmap 129: the fish dialog's picture of the 15 kinds, 640 x 400 logical pixels at the given scale.
// Each kind's cell of the 5 x 3 grid shows that kind's model in its skin, rendered as the tank lights
// it, on a tile of water; the cell's top-left corner stays light and empty for the count the dialog
// writes there. Outside the grid lies a plain light panel for the dialog's buttons and texts.
RgbaPicture makeFishKindsPicture(int scale);

// Where the fish of a cell lies, in logical pixels relative to the cell's top-left corner.
struct FishArea {
    int left, top, width, height;
};
constexpr FishArea FishKindFishArea{6, 21, 88, 62};

// One kind's fish, rendered alone on a transparent ground and fitted inside width x height pixels.
RgbaPicture renderFishPortrait(int kind, int width, int height);

} // namespace quillmere::uiart
