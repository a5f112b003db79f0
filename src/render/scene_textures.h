#pragma once

#include "assets/asset_catalogue.h"
#include "assets/gl_texture.h"
#include "render/backdrop_cells.h"

#include <array>
#include <optional>
#include <string>

namespace quillmere {

// The textures made from the embedded pictures at set-up. A texture whose picture could not be read
// still has its name (drawn untextured); one never made has name 0.
struct SceneTextures {
    Texture backdrop;                             // the built-in backdrop, black transparent
    BackdropCells backdropCells;                  // its level 0's size and the pieces it is drawn in
    std::array<Texture, FishSkinCount> fishSkins; // one per fish kind
    Texture bubbleSprite;
};

// Where the built-in pictures are read from: a folder (ending in "/") that each picture is extracted
// into, read back from and deleted from again, as the program does; or, with no folder, the program's
// memory alone, for the screen saver, which must not write into the user's folder.
using PictureSource = std::optional<std::string>;

// Loads the built-in backdrop and then the 15 fish skins, in that order. No extracted file is left
// behind. Needs a current rendering context.
void loadBackdropAndFishSkins(SceneTextures& textures, const PictureSource& source);

// The same for the bubble sprite, which the bubble set-up loads.
void loadBubbleSprite(SceneTextures& textures, const PictureSource& source);

} // namespace quillmere
