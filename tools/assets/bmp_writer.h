#pragma once

#include "picture.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillmere::assetgen {

// A plain 24-bit Windows bitmap: 14-byte file header, 40-byte BITMAPINFOHEADER, no palette,
// uncompressed rows stored bottom-up (positive height) in the picture's row order, each padded
// to 4 bytes, with biSizeImage filled in because the masked loader reads exactly that many bytes.
// trailingBytes zero bytes follow the pixels; bfSize counts them.
std::vector<std::uint8_t> encodeBmp(const Picture& picture, std::size_t trailingBytes);

} // namespace quillmere::assetgen
