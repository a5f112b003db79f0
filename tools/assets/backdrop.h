#pragma once

#include "picture.h"

namespace quillmere::assetgen {

constexpr int BackdropWidth = 1024;
constexpr int BackdropHeight = 768;

// The built-in backdrop quad in scene units: 180 wide, 76 high, its first stored row at the top.
constexpr double BackdropLeft = -90.0;
constexpr double BackdropRight = 90.0;
constexpr double BackdropBottom = -38.0;
constexpr double BackdropTop = 38.0;

// The only transparent part: the crevice between two rock pinnacles in the middle, from the sand up
// past the top edge, where the bubble column rising behind the backdrop shows against the deep
// water. It is at least twice OpeningHalfWidth wide, wider toward the top, and lies within the Opening box.
constexpr double OpeningHalfWidth = 9.0;
constexpr double OpeningLeft = -16.0;
constexpr double OpeningRight = 18.0;
constexpr double OpeningBottom = -24.0;
constexpr double OpeningTop = BackdropTop;

// The built-in backdrop: lit water deepening toward a rippled sandy floor, rocks, corals, sponges
// and weed, and two rock pinnacles in the middle with a crevice between them left pure black.
Picture makeBackdrop();

} // namespace quillmere::assetgen
