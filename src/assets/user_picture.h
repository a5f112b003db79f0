#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quillmere {

// No texture of a user picture is larger than this per side, whatever the GL implementation allows:
// the backdrop never covers more than a 4K screen, and texture creation (scaling to powers of two, DXT
// compression, mipmaps) on a larger picture takes seconds longer and up to four times the memory.
constexpr int MaxUserTextureSide = 4096;
// Every OpenGL implementation takes textures of this size.
constexpr int MinGlTextureSide = 64;

// A picture the user chose, decoded: 8-bit channels, rows from the top down with no padding. One
// channel is grey, two grey and alpha, three red-green-blue, four red-green-blue-alpha.
struct UserPicture {
    int width = 0;
    int height = 0;
    int channels = 0;
    std::vector<std::uint8_t> pixels;
};

// Bounds on what a picture file may make the decoders do. Everything here is checked against the
// file's headers before any pixel buffer is allocated.
struct UserPictureLimits {
    // Either side of the stored picture; a larger one is refused.
    int maxSide = 16384;
    // Stored pixels of a PNG or bitmap, which decode whole before any scaling: 256 MiB as RGBA.
    std::uint64_t maxPixels = std::uint64_t{64} << 20;
    // Stored pixels of a JPEG, which decodes straight to a reduced size: a 200-megapixel photo passes.
    std::uint64_t maxJpegPixels = std::uint64_t{16384} * 16384;
    // The JPEG decoder's own working memory (a progressive picture keeps all its coefficients).
    std::size_t maxJpegMemory = std::size_t{1} << 30;
    // Progressive scans in one JPEG; encoders write about ten, hostile files thousands.
    int maxJpegScans = 100;
    // Decoded pictures are scaled down, each side on its own, to at most this many pixels.
    int textureWidth = MaxUserTextureSide;
    int textureHeight = MaxUserTextureSide;
};

// The largest texture a picture needs, in texels a side: more than the screen can show is wasted.
struct PictureTarget {
    int width = MaxUserTextureSide;
    int height = MaxUserTextureSide;
};

// The limits for pictures that become textures under a GL implementation's GL_MAX_TEXTURE_SIZE, no
// larger than target.
UserPictureLimits userPictureLimits(int maxTextureSize, PictureTarget target = {});

// The size a picture's width or height is scaled down to: the side itself, or the limit when larger.
constexpr int fittedWidth(int width, const UserPictureLimits& limits) {
    return width < limits.textureWidth ? width : limits.textureWidth;
}
constexpr int fittedHeight(int height, const UserPictureLimits& limits) {
    return height < limits.textureHeight ? height : limits.textureHeight;
}

// Decodes a JPEG, PNG or Windows bitmap, told apart by their first bytes whatever the file is called,
// and scales it down to fit limits.textureWidth and limits.textureHeight. Anything else, a picture outside
// the limits, or one that is damaged or cut short gives nothing.
std::optional<UserPicture> decodeUserPicture(std::span<const std::uint8_t> file,
                                             const UserPictureLimits& limits);

// Files larger than this are not read at all.
constexpr std::size_t MaxUserPictureFileBytes = std::size_t{256} << 20;

// A picture file read and decoded, or the message a person sees when it cannot be.
struct UserPictureFile {
    std::optional<UserPicture> picture;
    std::string error; // empty when picture holds the decoded picture
};

// Reads and decodes the picture at path within limits. Needs no rendering context. Only a regular
// file is opened for reading: a pipe, a device or a folder is refused without waiting on it.
UserPictureFile readUserPicture(const std::string& path, const UserPictureLimits& limits);

// What the user is told when the picture at path cannot be loaded.
std::string userPictureLoadingError(const std::string& path);

} // namespace quillmere
