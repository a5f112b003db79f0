#include "assets/masked_bitmap.h"

#include "assets/bitmap_reader.h"

namespace quillmere {

std::optional<MaskedImage> decodeMaskedBitmap(std::span<const std::uint8_t> file) {
    const std::optional<BitmapHeader> header = readBitmapHeader(file);
    if (!header || header->bitCount != 24)
        return std::nullopt;
    const std::size_t rowBytes = bitmapRowBytes(header->width, 24);
    const std::size_t imageBytes = rowBytes * static_cast<std::size_t>(header->height);
    const std::size_t offset = header->pixelOffset;
    // The pixels may not overlap the headers, and every byte read must be in the file.
    if (offset < header->infoEnd() || offset > file.size() || file.size() - offset < imageBytes)
        return std::nullopt;
    if (header->sizeImage != 0 &&
        (header->sizeImage < imageBytes || header->sizeImage > file.size() - offset))
        return std::nullopt;

    MaskedImage image{header->width, header->height, {}};
    image.rgba.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 4);
    std::uint8_t* out = image.rgba.data();
    for (int row = 0; row < image.height; ++row) {
        const std::uint8_t* in =
            file.data() + offset + static_cast<std::size_t>(storedRowFromBottom(*header, row)) * rowBytes;
        for (int x = 0; x < image.width; ++x, in += 3, out += 4) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
            out[3] = (in[0] | in[1] | in[2]) != 0 ? 255 : 0;
        }
    }
    return image;
}

} // namespace quillmere
