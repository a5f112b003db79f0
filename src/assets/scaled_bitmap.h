#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quillmere {

// Byte order of a decoded pixel. Blue comes first, as a bitmap stores it.
enum class BitmapPixelFormat {
    Bgr,  // 3 bytes
    Bgra, // 4 bytes
};

constexpr int bytesPerPixel(BitmapPixelFormat format) {
    return format == BitmapPixelFormat::Bgra ? 4 : 3;
}

// A skin or sprite picture: rows from the bottom up with no padding. 8-bit pictures come out as Bgr,
// already looked up in their palette; 24-bit as Bgr; 32-bit as Bgra with the stored fourth byte.
struct ScaledImage {
    int width = 0;
    int height = 0;
    int bitCount = 0; // as stored: 8, 24 or 32
    BitmapPixelFormat format = BitmapPixelFormat::Bgr;
    std::vector<std::uint8_t> pixels;
};

// Decodes an uncompressed 8-bit (paletted), 24-bit or 32-bit bitmap. The pixels follow the information
// header directly, or for 8 bits its palette of biClrUsed entries (256 when 0, never more); bfOffBits
// is not used. An index past the palette's entries reads as black. Rows may be stored either way up.
// Any other depth, or a palette or rows that do not fit in the file, gives nothing.
std::optional<ScaledImage> decodeScaledBitmap(std::span<const std::uint8_t> file);

// No scaled texture side exceeds this, whatever the driver allows.
constexpr int MaxScaledTextureSide = 512;

// The texture side for a picture side: the next power of two up from the side, taken no further than
// the smaller of maxTextureSize and MaxScaledTextureSide, and at least 2.
int scaledTextureSide(int side, int maxTextureSize);

// How a decoded picture becomes a texture of one level.
struct ScaledUpload {
    bool scale = false; // false: upload the pixels as they are
    int width = 0;      // of the texture
    int height = 0;
    BitmapPixelFormat format = BitmapPixelFormat::Bgr; // of the texture's source data
    int components = 3;                                // 3 for Bgr, 4 for Bgra
};

// Pictures of power-of-two sides within the limit upload unscaled, except 8-bit ones, which always go
// through the scaling step with their expanded pixels.
ScaledUpload planScaledUpload(const ScaledImage& image, int maxTextureSize);

} // namespace quillmere
