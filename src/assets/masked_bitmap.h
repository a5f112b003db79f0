#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quillmere {

// A picture for drawing over the scene: red, green, blue, alpha bytes per pixel, rows from the bottom
// up with no padding, alpha 0 where the picture is pure black and 255 everywhere else.
struct MaskedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};

// Decodes a 24-bit uncompressed bitmap whose pixels start at bfOffBits. Rows are read with their
// padding, bottom-up or top-down. biSizeImage may be 0; when it is not, it must cover the rows and lie
// inside the file. Any other depth, or a size or offset that does not fit the file, gives nothing.
std::optional<MaskedImage> decodeMaskedBitmap(std::span<const std::uint8_t> file);

} // namespace quillmere
