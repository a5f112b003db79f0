#pragma once

#include "assets/user_picture.h"

#include <optional>
#include <span>

namespace quillmere {

// Decodes a JPEG with libjpeg-turbo, baseline or progressive, grey, colour or CMYK. A picture larger
// than its limits is decoded straight at a reduced scale (down to an eighth) no smaller than
// those limits, which the caller then scales down the rest of the way. The result is grey (one channel) or
// red-green-blue from the top row down. A file cut short, or outside the limits, gives nothing; the
// library's messages are never printed.
std::optional<UserPicture> decodeJpegPicture(std::span<const std::uint8_t> file,
                                             const UserPictureLimits& limits);

} // namespace quillmere
