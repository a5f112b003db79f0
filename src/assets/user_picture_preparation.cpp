#include "assets/user_picture_preparation.h"

#include <SOIL/image_helper.h>
extern "C" {
#include <SOIL/image_DXT.h>
}

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace quillmere {
namespace {

struct FreeDeleter {
    void operator()(unsigned char* bytes) const { std::free(bytes); }
};
using CompressedBytes = std::unique_ptr<unsigned char, FreeDeleter>;

int powerOfTwoAtLeast(int side) {
    int power = 1;
    while (power < side)
        power *= 2;
    return power;
}

std::size_t byteSize(int width, int height, int channels) {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) *
           static_cast<std::size_t>(channels);
}

// Top row last, as OpenGL reads a texture.
void flipRows(UserPicture& picture) {
    const std::size_t row = byteSize(picture.width, 1, picture.channels);
    std::uint8_t* pixels = picture.pixels.data();
    for (int top = 0, bottom = picture.height - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(pixels + row * static_cast<std::size_t>(top),
                         pixels + row * static_cast<std::size_t>(top + 1),
                         pixels + row * static_cast<std::size_t>(bottom));
}

PreparedLevel levelOf(const UserPicture& image, bool compress) {
    PreparedLevel level{image.width, image.height, {}};
    if (!compress) {
        level.bytes = image.pixels;
        return level;
    }
    int size = 0;
    const CompressedBytes blocks(
        image.channels % 2 == 1
            ? convert_image_to_DXT1(image.pixels.data(), image.width, image.height, image.channels, &size)
            : convert_image_to_DXT5(image.pixels.data(), image.width, image.height, image.channels, &size));
    if (!blocks || size <= 0)
        throw std::bad_alloc();
    level.bytes.assign(blocks.get(), blocks.get() + size);
    return level;
}

} // namespace

std::optional<PreparedTexture> prepareUserPictureTexture(UserPicture image, const TextureCapabilities& caps,
                                                         std::stop_token stop) {
    if (image.width < 1 || image.height < 1 || image.channels < 1 || image.channels > 4 ||
        image.pixels.size() != byteSize(image.width, image.height, image.channels))
        return std::nullopt;
    try {
        flipRows(image);
        scale_image_RGB_to_NTSC_safe(image.pixels.data(), image.width, image.height, image.channels);

        // Mipmaps need sides that are powers of two.
        const int potWidth = powerOfTwoAtLeast(image.width);
        const int potHeight = powerOfTwoAtLeast(image.height);
        if (potWidth != image.width || potHeight != image.height) {
            std::vector<std::uint8_t> scaled(byteSize(potWidth, potHeight, image.channels));
            up_scale_image(image.pixels.data(), image.width, image.height, image.channels, scaled.data(),
                           potWidth, potHeight);
            image.pixels = std::move(scaled);
            image.width = potWidth;
            image.height = potHeight;
        }
        // Too large for the context: whole blocks of texels averaged down to its limit.
        const int maxSide = std::max(caps.maxTextureSize, 1);
        if (image.width > maxSide || image.height > maxSide) {
            const int blockX = std::max(image.width / maxSide, 1);
            const int blockY = std::max(image.height / maxSide, 1);
            UserPicture reduced{image.width / blockX, image.height / blockY, image.channels, {}};
            reduced.pixels.resize(byteSize(reduced.width, reduced.height, reduced.channels));
            mipmap_image(image.pixels.data(), image.width, image.height, image.channels,
                         reduced.pixels.data(), blockX, blockY);
            image = std::move(reduced);
        }
        if (stop.stop_requested())
            return std::nullopt;

        PreparedTexture texture;
        texture.channels = image.channels;
        texture.compressed = caps.dxtCompression;
        texture.levels.push_back(levelOf(image, texture.compressed));
        // Each level averages blocks of level 0 itself, not the level before, as SOIL's does.
        UserPicture level{(image.width + 1) / 2, (image.height + 1) / 2, image.channels, {}};
        for (int shift = 1; (1 << shift) <= image.width || (1 << shift) <= image.height; ++shift) {
            if (stop.stop_requested())
                return std::nullopt;
            level.pixels.resize(byteSize(level.width, level.height, level.channels));
            mipmap_image(image.pixels.data(), image.width, image.height, image.channels, level.pixels.data(),
                         1 << shift, 1 << shift);
            texture.levels.push_back(levelOf(level, texture.compressed));
            level.width = (level.width + 1) / 2;
            level.height = (level.height + 1) / 2;
        }
        return texture;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

PreparedPictureFile preparePictureFile(const std::string& path, PictureTarget target,
                                       const TextureCapabilities& caps, std::stop_token stop) {
    PreparedPictureFile result;
    UserPictureFile file = readUserPicture(path, userPictureLimits(caps.maxTextureSize, target));
    if (file.picture && !stop.stop_requested())
        result.texture = prepareUserPictureTexture(std::move(*file.picture), caps, stop);
    if (!result.texture)
        result.error = userPictureLoadingError(path);
    return result;
}

} // namespace quillmere
