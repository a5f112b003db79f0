#pragma once

#include <cstdint>
#include <span>

namespace quillmere {

struct CellRect;

// Inverts every pixel of the oval that fills `cell` (logical pixels, right and bottom exclusive) in
// tightly packed 8-bit RGB pixels of `width` x `height` at `scale` physical pixels per logical pixel:
// the selection oval of the fish picture. The toolkit's cairo drawing has no inverting raster
// operation, so the picture's pixels are inverted here. Doing it twice restores the picture.
void invertOval(std::span<std::uint8_t> rgb, int width, int height, const CellRect& cell, double scale);

} // namespace quillmere
