#pragma once

#include "rgba_picture.h"

#include <vector>

namespace quillmere::uiart {

// One picture of the program: resource id, the scale it was painted at and its pixels.
struct ArtworkPicture {
    int id = 0;
    int scale = 1;
    RgbaPicture picture;
};

// Every picture the menu and the dialogs show, each at every scale, in a fixed order.
std::vector<ArtworkPicture> makeUiArtwork();

// The program's icon at every size, smallest first; id holds the size in pixels.
std::vector<ArtworkPicture> makeProgramIcons();

} // namespace quillmere::uiart
