#pragma once

#include "assets/user_picture.h"

#include <optional>
#include <span>

namespace quillmere {

// Decodes a PNG with libpng, interlaced or not, of any colour type and depth. Palettes and transparency
// expand to grey, grey-alpha, RGB or RGBA with 8 bits a channel, from the top row down. A broken
// checksum in a critical chunk, a file cut short, or a picture outside the limits gives nothing; the
// library's messages are never printed.
std::optional<UserPicture> decodePngPicture(std::span<const std::uint8_t> file,
                                            const UserPictureLimits& limits);

} // namespace quillmere
