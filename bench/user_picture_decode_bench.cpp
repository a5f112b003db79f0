// Decoding a 24-megapixel phone photo (6000 x 4000, JPEG quality 90, made at start-up) to the pixels a
// texture is made from, for the GL_MAX_TEXTURE_SIZE a driver reports: 16384 (llvmpipe, desktop drivers)
// gives the largest user picture, 4096 x 4000 from the whole decoded photo; 2048 and 1024 (older
// hardware) let the decoder reduce the photo while decoding.
#include "assets/jpeg_encoder.h"
#include "assets/user_picture.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace quillmere {
namespace {

// Smooth shading with grain, so the file is as large as a real photo's (about 10 MB) and decodes as slowly.
const std::vector<std::uint8_t>& photo() {
    static const std::vector<std::uint8_t> bytes =
        testing_support::encodeJpeg(6000, 4000, 90, [](int x, int y) {
            std::uint32_t grain =
                static_cast<std::uint32_t>(x) * 2654435761u ^ static_cast<std::uint32_t>(y) * 40503u;
            grain = (grain ^ grain >> 13) * 1274126177u;
            const auto channel = [&](int base, int shift) {
                const int value = base + static_cast<int>((grain >> shift) & 31) - 16;
                return static_cast<std::uint32_t>(value < 0 ? 0 : value > 255 ? 255 : value);
            };
            return channel(x * 255 / 6000, 0) << 16 | channel(y * 255 / 4000, 8) << 8 |
                   channel((x + y) % 256, 16);
        });
    return bytes;
}

void DecodePhotoForTextureSide(benchmark::State& state) {
    const std::vector<std::uint8_t>& file = photo();
    const UserPictureLimits limits = userPictureLimits(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const auto picture = decodeUserPicture(file, limits);
        if (!picture) {
            state.SkipWithError("the photo did not decode");
            break;
        }
        benchmark::DoNotOptimize(picture->pixels.data());
        state.counters["width"] = picture->width;
        state.counters["height"] = picture->height;
    }
    state.counters["file_MB"] = static_cast<double>(file.size()) / 1e6;
}

BENCHMARK(DecodePhotoForTextureSide)->Arg(16384)->Arg(2048)->Arg(1024)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillmere
