// Fuzz target: any bytes as a picture the user chose, through the whole decode path (format by content,
// JPEG, PNG or bitmap decoder, scaling to texture size). Decoding must neither crash nor touch memory
// it does not own, and a picture it accepts must be whole and within the texture side it was given.
#include "assets/user_picture.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Smaller than the program's own limits, so that a few bytes claiming a large picture cost the fuzzer
// milliseconds rather than seconds; the header checks still see the full side limit.
quillmere::UserPictureLimits fuzzLimits(int textureSide) {
    quillmere::UserPictureLimits limits;
    limits.maxPixels = std::uint64_t{1} << 20;
    limits.maxJpegPixels = std::uint64_t{1} << 20;
    limits.maxJpegMemory = std::size_t{64} << 20;
    limits.textureWidth = textureSide;
    limits.textureHeight = textureSide;
    return limits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere;
    // A small side (for inputs of odd length) sends every seed through the reduced JPEG scales and the
    // block averaging; a large one keeps most pictures at their own size.
    const int textureSide = size % 2 == 1 ? 8 : 1024;
    const auto picture = decodeUserPicture({data, size}, fuzzLimits(textureSide));
    if (picture && (picture->width < 1 || picture->width > textureSide || picture->height < 1 ||
                    picture->height > textureSide || picture->channels < 1 || picture->channels > 4 ||
                    picture->pixels.size() != static_cast<std::size_t>(picture->width) *
                                                  static_cast<std::size_t>(picture->height) *
                                                  static_cast<std::size_t>(picture->channels)))
        std::abort();
    return 0;
}
