#pragma once

#include "assets/user_picture.h"

#include <optional>
#include <span>

namespace quillmere {

// Decodes a Windows bitmap a person may have: 1-, 4- or 8-bit with a palette, 16-, 24- or 32-bit,
// uncompressed or with colour masks (BI_BITFIELDS), stored either way up, the pixels at bfOffBits. The
// result is red-green-blue from the top row down; a fourth byte is never taken for alpha, since most
// writers leave it 0. Sizes and offsets are checked against the file and the limits before anything is
// allocated; run-length compressed bitmaps are refused.
std::optional<UserPicture> decodeBitmapPicture(std::span<const std::uint8_t> file,
                                               const UserPictureLimits& limits);

} // namespace quillmere
