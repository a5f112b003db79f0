#pragma once

#include "rgba_picture.h"

#include <cstdint>
#include <vector>

namespace quillmere::uiart {

// The picture as PNG file bytes: 8-bit RGBA, or RGB when every pixel is opaque. The same picture
// always gives the same bytes.
std::vector<std::uint8_t> encodePng(const RgbaPicture& picture);

} // namespace quillmere::uiart
