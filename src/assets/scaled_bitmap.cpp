#include "assets/scaled_bitmap.h"

#include "assets/bitmap_reader.h"

#include <algorithm>
#include <cstring>

namespace quillmere {
namespace {

constexpr std::size_t PaletteEntryBytes = 4; // blue, green, red, unused
constexpr std::uint32_t FullPaletteEntries = 256;

// Reads the 8-bit rows through the palette into Bgr.
void expandPaletted(const BitmapHeader& header, std::span<const std::uint8_t> palette,
                    const std::uint8_t* pixels, ScaledImage& image) {
    const std::size_t entries = palette.size() / PaletteEntryBytes;
    const std::size_t rowBytes = bitmapRowBytes(header.width, 8);
    std::uint8_t* out = image.pixels.data();
    for (int row = 0; row < image.height; ++row) {
        const std::uint8_t* in =
            pixels + static_cast<std::size_t>(storedRowFromBottom(header, row)) * rowBytes;
        for (int x = 0; x < image.width; ++x, out += 3) {
            const std::size_t index = in[x];
            if (index < entries)
                std::memcpy(out, palette.data() + index * PaletteEntryBytes, 3);
            else
                std::memset(out, 0, 3);
        }
    }
}

void copyRows(const BitmapHeader& header, const std::uint8_t* pixels, ScaledImage& image) {
    const std::size_t rowBytes = bitmapRowBytes(header.width, header.bitCount);
    const std::size_t packedRowBytes =
        static_cast<std::size_t>(image.width) * static_cast<std::size_t>(bytesPerPixel(image.format));
    for (int row = 0; row < image.height; ++row)
        std::memcpy(image.pixels.data() + static_cast<std::size_t>(row) * packedRowBytes,
                    pixels + static_cast<std::size_t>(storedRowFromBottom(header, row)) * rowBytes,
                    packedRowBytes);
}

} // namespace

std::optional<ScaledImage> decodeScaledBitmap(std::span<const std::uint8_t> file) {
    const std::optional<BitmapHeader> header = readBitmapHeader(file);
    if (!header || (header->bitCount != 8 && header->bitCount != 24 && header->bitCount != 32))
        return std::nullopt;

    std::size_t paletteBytes = 0;
    if (header->bitCount == 8) {
        const std::uint32_t entries = header->colorsUsed == 0 ? FullPaletteEntries : header->colorsUsed;
        if (entries > FullPaletteEntries)
            return std::nullopt;
        paletteBytes = entries * PaletteEntryBytes;
    }
    const std::size_t pixelOffset = header->infoEnd() + paletteBytes;
    const std::size_t imageBytes =
        bitmapRowBytes(header->width, header->bitCount) * static_cast<std::size_t>(header->height);
    if (pixelOffset > file.size() || file.size() - pixelOffset < imageBytes)
        return std::nullopt;

    ScaledImage image;
    image.width = header->width;
    image.height = header->height;
    image.bitCount = header->bitCount;
    image.format = header->bitCount == 32 ? BitmapPixelFormat::Bgra : BitmapPixelFormat::Bgr;
    image.pixels.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) *
                        static_cast<std::size_t>(bytesPerPixel(image.format)));
    const std::uint8_t* pixels = file.data() + pixelOffset;
    if (header->bitCount == 8)
        expandPaletted(*header, file.subspan(header->infoEnd(), paletteBytes), pixels, image);
    else
        copyRows(*header, pixels, image);
    return image;
}

int scaledTextureSide(int side, int maxTextureSize) {
    const int limit = std::min(maxTextureSize, MaxScaledTextureSide);
    const int wanted = std::min(side, limit);
    int target = 1;
    while (target < wanted)
        target *= 2;
    // A limit that is not itself a power of two (no driver reports one) must still not be passed.
    if (target > limit && target > 2)
        target /= 2;
    return std::max(target, 2);
}

ScaledUpload planScaledUpload(const ScaledImage& image, int maxTextureSize) {
    ScaledUpload upload;
    upload.width = scaledTextureSide(image.width, maxTextureSize);
    upload.height = scaledTextureSide(image.height, maxTextureSize);
    upload.format = image.format;
    upload.components = bytesPerPixel(image.format);
    upload.scale = image.bitCount == 8 || upload.width != image.width || upload.height != image.height;
    return upload;
}

} // namespace quillmere
