#pragma once

#include "assets/asset_catalogue.h"
#include "assets/gl_texture.h"

#include <array>
#include <string>

namespace quillmere {

// The textures made from the embedded pictures at set-up. A texture whose picture could not be read
// still has its name (drawn untextured); one never made has name 0.
struct SceneTextures {
    Texture backdrop;                             // the built-in backdrop, black transparent
    std::array<Texture, FishSkinCount> fishSkins; // one per fish kind
    Texture bubbleSprite;
};

// Extracts, loads and deletes the built-in backdrop and then the 15 fish skins, in that order; folder
// ends with "/". No extracted file is left behind. Needs a current rendering context.
void LoadBackdropAndFishSkins(SceneTextures& textures, const std::string& folder);

// The same for the bubble sprite, which the bubble set-up loads.
void LoadBubbleSprite(SceneTextures& textures, const std::string& folder);

} // namespace quillmere
