#pragma once

#include "picture.h"

namespace quillmere::assetgen {

constexpr int BackdropWidth = 1024;
constexpr int BackdropHeight = 768;

// The built-in backdrop: a sandy floor with weed, and water that brightens toward the floor and
// fades into transparent black above, where the bubble column shows through.
Picture makeBackdrop();

} // namespace quillmere::assetgen
