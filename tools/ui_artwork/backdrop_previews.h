#pragma once

#include "rgba_picture.h"

#include "../assets/picture.h"

#include <vector>

namespace quillmere::uiart {

// The tank's built-in pictures the previews are drawn with, painted once for all of them.
struct PreviewTextures {
    assetgen::Picture backdrop;
    assetgen::Picture bubble;
    std::vector<assetgen::Picture> skins;

    PreviewTextures();
};

// The settings dialog's preview of "BACKGROUND" value 0..3, 160 x 100 logical pixels at the given scale:
// a miniature of the tank's screen as the real scene computes it for that value, drawn the way the
// renderer draws it. With 0 the built-in backdrop closes the tank and the bubble column rises through its
// crevice; every other value draws neither, so the fish swim in front of the cleared, black screen.
RgbaPicture makeBackdropPreview(const PreviewTextures& textures, int background, int scale);

} // namespace quillmere::uiart
