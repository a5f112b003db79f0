#include "assets/picture_scaling.h"

#include <cstdint>
#include <vector>

namespace quillmere {
namespace {

// Where each new pixel's block starts along a side of `from` pixels: bounds[i] to bounds[i + 1].
std::vector<int> blockBounds(int from, int to) {
    std::vector<int> bounds(static_cast<std::size_t>(to) + 1);
    for (int i = 0; i <= to; ++i)
        bounds[static_cast<std::size_t>(i)] = static_cast<int>(static_cast<std::int64_t>(i) * from / to);
    return bounds;
}

} // namespace

UserPicture shrinkPicture(const UserPicture& picture, int width, int height) {
    const auto channels = static_cast<std::size_t>(picture.channels);
    UserPicture out{width, height, picture.channels, {}};
    out.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * channels);
    const std::vector<int> columns = blockBounds(picture.width, width);
    const std::vector<int> rows = blockBounds(picture.height, height);
    const std::size_t inRowBytes = static_cast<std::size_t>(picture.width) * channels;
    std::vector<std::uint64_t> sums(static_cast<std::size_t>(width) * channels);
    std::uint8_t* written = out.pixels.data();
    for (int y = 0; y < height; ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        const int top = rows[static_cast<std::size_t>(y)];
        const int bottom = rows[static_cast<std::size_t>(y) + 1];
        for (int row = top; row < bottom; ++row) {
            const std::uint8_t* in = picture.pixels.data() + static_cast<std::size_t>(row) * inRowBytes;
            std::uint64_t* sum = sums.data();
            for (int x = 0; x < width; ++x, sum += channels) {
                const auto left = static_cast<std::size_t>(columns[static_cast<std::size_t>(x)]);
                const auto right = static_cast<std::size_t>(columns[static_cast<std::size_t>(x) + 1]);
                for (std::size_t at = left * channels; at < right * channels; at += channels)
                    for (std::size_t c = 0; c < channels; ++c)
                        sum[c] += in[at + c];
            }
        }
        for (int x = 0; x < width; ++x) {
            const auto block = static_cast<std::uint64_t>(bottom - top) *
                               static_cast<std::uint64_t>(columns[static_cast<std::size_t>(x) + 1] -
                                                          columns[static_cast<std::size_t>(x)]);
            for (std::size_t c = 0; c < channels; ++c, ++written)
                *written = static_cast<std::uint8_t>(
                    (sums[static_cast<std::size_t>(x) * channels + c] + block / 2) / block);
        }
    }
    return out;
}

} // namespace quillmere
