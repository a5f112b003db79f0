#include "assets/picture_scaling.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace quillmere {
namespace {

// Where each new pixel's block starts along a side of `from` pixels: bounds[i] to bounds[i + 1].
std::vector<std::size_t> blockBounds(int from, int to) {
    std::vector<std::size_t> bounds(static_cast<std::size_t>(to) + 1);
    for (std::size_t i = 0; i < bounds.size(); ++i)
        bounds[i] =
            static_cast<std::size_t>(static_cast<std::uint64_t>(i) * static_cast<std::uint64_t>(from) /
                                     static_cast<std::uint64_t>(to));
    return bounds;
}

// The channel count is a template argument so that the innermost loops unroll: a 24-megapixel photo
// passes through here once per load.
template <std::size_t Channels> void shrinkInto(const UserPicture& picture, UserPicture& out) {
    const std::vector<std::size_t> columns = blockBounds(picture.width, out.width);
    const std::vector<std::size_t> rows = blockBounds(picture.height, out.height);
    const std::size_t inRowBytes = static_cast<std::size_t>(picture.width) * Channels;
    const auto width = static_cast<std::size_t>(out.width);
    std::vector<std::uint64_t> sums(width * Channels);
    std::uint8_t* written = out.pixels.data();
    for (std::size_t y = 0; y + 1 < rows.size(); ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        for (std::size_t row = rows[y]; row < rows[y + 1]; ++row) {
            const std::uint8_t* in = picture.pixels.data() + row * inRowBytes;
            std::uint64_t* sum = sums.data();
            for (std::size_t x = 0; x < width; ++x, sum += Channels)
                for (std::size_t at = columns[x] * Channels; at < columns[x + 1] * Channels; at += Channels)
                    for (std::size_t c = 0; c < Channels; ++c)
                        sum[c] += in[at + c];
        }
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint64_t block = (rows[y + 1] - rows[y]) * (columns[x + 1] - columns[x]);
            for (std::size_t c = 0; c < Channels; ++c, ++written)
                *written = static_cast<std::uint8_t>((sums[x * Channels + c] + block / 2) / block);
        }
    }
}

} // namespace

UserPicture shrinkPicture(const UserPicture& picture, int width, int height) {
    UserPicture out{width, height, picture.channels, {}};
    out.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) *
                      static_cast<std::size_t>(picture.channels));
    switch (picture.channels) {
    case 1:
        shrinkInto<1>(picture, out);
        break;
    case 2:
        shrinkInto<2>(picture, out);
        break;
    case 3:
        shrinkInto<3>(picture, out);
        break;
    default:
        shrinkInto<4>(picture, out);
        break;
    }
    return out;
}

} // namespace quillmere
