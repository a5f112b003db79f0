#include "assets/user_picture.h"

#include "assets/bitmap_picture.h"
#include "assets/file_bytes.h"
#include "assets/jpeg_picture.h"
#include "assets/picture_scaling.h"
#include "assets/png_picture.h"

#include <algorithm>
#include <array>
#include <new>

namespace quillmere {
namespace {

enum class PictureFormat { Unknown, Jpeg, Png, Bitmap };

bool startsWith(std::span<const std::uint8_t> file, std::span<const std::uint8_t> magic) {
    return file.size() >= magic.size() && std::equal(magic.begin(), magic.end(), file.begin());
}

// Told by content: a file's name says nothing about what it holds.
PictureFormat pictureFormat(std::span<const std::uint8_t> file) {
    static constexpr std::array<std::uint8_t, 3> JpegMagic{0xFF, 0xD8, 0xFF};
    static constexpr std::array<std::uint8_t, 8> PngMagic{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    static constexpr std::array<std::uint8_t, 2> BitmapMagic{'B', 'M'};
    if (startsWith(file, JpegMagic))
        return PictureFormat::Jpeg;
    if (startsWith(file, PngMagic))
        return PictureFormat::Png;
    if (startsWith(file, BitmapMagic))
        return PictureFormat::Bitmap;
    return PictureFormat::Unknown;
}

std::optional<UserPicture> decodeByFormat(std::span<const std::uint8_t> file,
                                          const UserPictureLimits& limits) {
    switch (pictureFormat(file)) {
    case PictureFormat::Jpeg:
        return decodeJpegPicture(file, limits);
    case PictureFormat::Png:
        return decodePngPicture(file, limits);
    case PictureFormat::Bitmap:
        return decodeBitmapPicture(file, limits);
    case PictureFormat::Unknown:
        break;
    }
    return std::nullopt;
}

} // namespace

UserPictureLimits userPictureLimits(int maxTextureSize, PictureTarget target) {
    UserPictureLimits limits;
    const int side = std::clamp(maxTextureSize, MinGlTextureSide, MaxUserTextureSide);
    limits.textureWidth = std::clamp(target.width, 1, side);
    limits.textureHeight = std::clamp(target.height, 1, side);
    return limits;
}

std::optional<UserPicture> decodeUserPicture(std::span<const std::uint8_t> file,
                                             const UserPictureLimits& limits) {
    try {
        std::optional<UserPicture> picture = decodeByFormat(file, limits);
        if (!picture)
            return std::nullopt;
        const int width = fittedWidth(picture->width, limits);
        const int height = fittedHeight(picture->height, limits);
        if (width != picture->width || height != picture->height)
            picture = shrinkPicture(*picture, width, height);
        return picture;
    } catch (const std::bad_alloc&) {
        // A picture within the limits that the machine has no memory for is one that cannot be loaded.
        return std::nullopt;
    }
}

UserPictureFile readUserPicture(const std::string& path, const UserPictureLimits& limits) {
    UserPictureFile result;
    try {
        if (const auto file = readFileBytes(path, MaxUserPictureFileBytes))
            result.picture = decodeUserPicture(*file, limits);
    } catch (const std::bad_alloc&) {
    }
    if (!result.picture)
        result.error = userPictureLoadingError(path);
    return result;
}

std::string userPictureLoadingError(const std::string& path) {
    return "(" + path + ")" + "image loading error.";
}

} // namespace quillmere
