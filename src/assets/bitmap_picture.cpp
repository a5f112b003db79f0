#include "assets/bitmap_picture.h"

#include "assets/bitmap_reader.h"

#include <array>
#include <bit>

namespace quillmere {
namespace {

constexpr std::size_t PaletteEntryBytes = 4; // blue, green, red, unused

// One colour of a 16- or 32-bit pixel: its bits, moved down and stretched to 0..255.
class MaskedChannel {
public:
    explicit MaskedChannel(std::uint32_t mask)
        : m_mask(mask), m_shift(mask == 0 ? 0 : std::countr_zero(mask)), m_max(mask >> m_shift) {}

    std::uint8_t operator()(std::uint32_t pixel) const {
        if (m_max == 0)
            return 0;
        const std::uint64_t value = (pixel & m_mask) >> m_shift;
        return static_cast<std::uint8_t>((value * 255 + m_max / 2) / m_max);
    }

private:
    std::uint32_t m_mask;
    int m_shift;
    std::uint64_t m_max;
};

// The masks that uncompressed 16- and 32-bit bitmaps imply: 5-5-5 and 8-8-8.
std::array<std::uint32_t, 3> impliedMasks(int bitCount) {
    if (bitCount == 16)
        return {0x7C00, 0x03E0, 0x001F};
    return {0xFF0000, 0x00FF00, 0x0000FF};
}

bool supportedDepth(const BitmapHeader& header) {
    switch (header.bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
        return header.compression == BitmapUncompressed;
    case 16:
    case 32:
        return header.compression == BitmapUncompressed || header.compression == BitmapBitFields;
    default:
        return false;
    }
}

void decodePalettedRow(const std::uint8_t* in, int width, int bitCount, std::span<const std::uint8_t> palette,
                       std::uint8_t* out) {
    const std::size_t entries = palette.size() / PaletteEntryBytes;
    const unsigned indexMask = (1u << bitCount) - 1;
    for (int x = 0; x < width; ++x, out += 3) {
        const std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bitCount);
        const unsigned shift = 8 - static_cast<unsigned>(bitCount) - static_cast<unsigned>(bit % 8);
        const std::size_t index = (in[bit / 8] >> shift) & indexMask;
        // An index past the palette's entries reads as black.
        const std::uint8_t* entry = index < entries ? palette.data() + index * PaletteEntryBytes : nullptr;
        out[0] = entry ? entry[2] : 0;
        out[1] = entry ? entry[1] : 0;
        out[2] = entry ? entry[0] : 0;
    }
}

void decodeMaskedRow(const std::uint8_t* in, int width, int bitCount,
                     const std::array<MaskedChannel, 3>& channels, std::uint8_t* out) {
    const int bytes = bitCount / 8;
    for (int x = 0; x < width; ++x, in += bytes, out += 3) {
        std::uint32_t pixel = 0;
        for (int byte = 0; byte < bytes; ++byte)
            pixel |= static_cast<std::uint32_t>(in[byte]) << (8 * byte);
        for (int c = 0; c < 3; ++c)
            out[c] = channels[static_cast<std::size_t>(c)](pixel);
    }
}

void decodeBgrRow(const std::uint8_t* in, int width, std::uint8_t* out) {
    for (int x = 0; x < width; ++x, in += 3, out += 3) {
        out[0] = in[2];
        out[1] = in[1];
        out[2] = in[0];
    }
}

} // namespace

std::optional<UserPicture> decodeBitmapPicture(std::span<const std::uint8_t> file,
                                               const UserPictureLimits& limits) {
    const std::optional<BitmapHeader> header = readBitmapInfo(file);
    if (!header || !supportedDepth(*header) || header->width > limits.maxSide ||
        header->height > limits.maxSide ||
        static_cast<std::uint64_t>(header->width) * static_cast<std::uint64_t>(header->height) >
            limits.maxPixels)
        return std::nullopt;

    const int bitCount = header->bitCount;
    std::size_t paletteBytes = 0;
    if (bitCount <= 8) {
        const std::uint32_t fullPalette = 1u << bitCount;
        const std::uint32_t entries = header->colorsUsed == 0 ? fullPalette : header->colorsUsed;
        if (entries > fullPalette)
            return std::nullopt;
        paletteBytes = entries * PaletteEntryBytes;
    }
    if (header->tablesAt > file.size() || file.size() - header->tablesAt < paletteBytes)
        return std::nullopt;
    const std::span<const std::uint8_t> palette = file.subspan(header->tablesAt, paletteBytes);

    // The pixels may not overlap the headers or the palette, and every stored row must be in the file.
    const std::size_t offset = header->pixelOffset;
    const std::size_t rowBytes = bitmapRowBytes(header->width, bitCount);
    const std::size_t imageBytes = rowBytes * static_cast<std::size_t>(header->height);
    if (offset < header->tablesAt + paletteBytes || offset > file.size() || file.size() - offset < imageBytes)
        return std::nullopt;

    const std::array<std::uint32_t, 3> masks =
        header->compression == BitmapBitFields ? header->colourMasks : impliedMasks(bitCount);
    const std::array<MaskedChannel, 3> channels{MaskedChannel(masks[0]), MaskedChannel(masks[1]),
                                                MaskedChannel(masks[2])};

    UserPicture picture{header->width, header->height, 3, {}};
    const std::size_t outRowBytes = static_cast<std::size_t>(picture.width) * 3;
    picture.pixels.resize(outRowBytes * static_cast<std::size_t>(picture.height));
    for (int row = 0; row < picture.height; ++row) {
        const int stored = header->topDown ? row : picture.height - 1 - row;
        const std::uint8_t* in = file.data() + offset + static_cast<std::size_t>(stored) * rowBytes;
        std::uint8_t* out = picture.pixels.data() + static_cast<std::size_t>(row) * outRowBytes;
        if (bitCount <= 8)
            decodePalettedRow(in, picture.width, bitCount, palette, out);
        else if (bitCount == 24)
            decodeBgrRow(in, picture.width, out);
        else
            decodeMaskedRow(in, picture.width, bitCount, channels, out);
    }
    return picture;
}

} // namespace quillmere
