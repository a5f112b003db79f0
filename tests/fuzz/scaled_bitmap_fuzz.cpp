// Fuzz target: any bytes as a picture for the scaled loader. Decoding must neither crash nor read out
// of bounds, and a picture it accepts must be whole and plan to a texture of power-of-two sides of at
// most 512 under any driver limit.
#include "assets/bitmap_reader.h"
#include "assets/scaled_bitmap.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool powerOfTwoWithin(int side, int limit) {
    return side >= 2 && side <= limit && (side & (side - 1)) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere;
    const auto image = decodeScaledBitmap({data, size});
    if (!image)
        return 0;
    if (image->width < 1 || image->width > MaxBitmapSide || image->height < 1 ||
        image->height > MaxBitmapSide ||
        image->pixels.size() != static_cast<std::size_t>(image->width) *
                                    static_cast<std::size_t>(image->height) *
                                    static_cast<std::size_t>(bytesPerPixel(image->format)))
        std::abort();
    for (const int maxTextureSize : {64, 1024, 16384}) {
        const ScaledUpload upload = planScaledUpload(*image, maxTextureSize);
        const int limit = maxTextureSize < MaxScaledTextureSide ? maxTextureSize : MaxScaledTextureSide;
        if (!powerOfTwoWithin(upload.width, limit) || !powerOfTwoWithin(upload.height, limit))
            std::abort();
        if (!upload.scale && (upload.width != image->width || upload.height != image->height))
            std::abort();
    }
    return 0;
}
