#pragma once

#include "picture.h"

namespace quillmere::assetgen {

constexpr int FishSkinWidth = 128;
constexpr int FishSkinHeight = 64;

// The skin of fish kind 0..14. Across the picture (s) runs along the body from the head; down it
// (t) runs around the body, and the skin repeats in t.
Picture makeFishSkin(int kind);

} // namespace quillmere::assetgen
