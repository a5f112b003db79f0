#pragma once

#include "picture.h"

namespace quillmere::assetgen {

constexpr int BubbleSpriteSize = 32;

// The bubble sprite, drawn with additive blending: a pale glowing ring with a soft highlight, on
// black so that the square around it adds nothing.
Picture makeBubbleSprite();

} // namespace quillmere::assetgen
