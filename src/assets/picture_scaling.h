#pragma once

#include "assets/user_picture.h"

namespace quillmere {

// The picture scaled down to width x height (each no larger than the picture's own side and at least 1)
// by averaging the block of pixels that falls on each new pixel.
UserPicture shrinkPicture(const UserPicture& picture, int width, int height);

} // namespace quillmere
