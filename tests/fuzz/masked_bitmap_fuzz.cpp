// Fuzz target: any bytes as a picture for the masked loader. Decoding must neither crash nor read out
// of bounds, and a picture it accepts must be whole: every pixel present, alpha 0 exactly where black.
#include "assets/bitmap_reader.h"
#include "assets/masked_bitmap.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere;
    const auto image = decodeMaskedBitmap({data, size});
    if (!image)
        return 0;
    if (image->width < 1 || image->width > MaxBitmapSide || image->height < 1 ||
        image->height > MaxBitmapSide ||
        image->rgba.size() !=
            static_cast<std::size_t>(image->width) * static_cast<std::size_t>(image->height) * 4)
        std::abort();
    for (std::size_t at = 0; at < image->rgba.size(); at += 4) {
        const bool black = (image->rgba[at] | image->rgba[at + 1] | image->rgba[at + 2]) == 0;
        if (image->rgba[at + 3] != (black ? 0 : 255))
            std::abort();
    }
    return 0;
}
