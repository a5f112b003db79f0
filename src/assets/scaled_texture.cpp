#include "assets/scaled_texture.h"

#include "assets/bitmap_reader.h"
#include "assets/scaled_bitmap.h"
#include "assets/tight_pixel_rows.h"

#include <GL/glu.h>
#include <new>
#include <vector>

namespace quillmere {
namespace {

GLenum glFormat(BitmapPixelFormat format) {
    return format == BitmapPixelFormat::Bgra ? GL_BGRA_EXT : GL_BGR_EXT;
}

// The scaling treats every channel alike, so blue-first rows scale correctly under the name GL_RGB.
GLenum scalingFormat(BitmapPixelFormat format) {
    return format == BitmapPixelFormat::Bgra ? GL_BGRA_EXT : GL_RGB;
}

// Room for the scaled copy, or nothing when the memory cannot be had: the picture is then uploaded at
// its own size, which the driver may still take.
std::vector<std::uint8_t> scaledCopyBuffer(const ScaledUpload& upload) {
    try {
        return std::vector<std::uint8_t>(static_cast<std::size_t>(upload.width) *
                                         static_cast<std::size_t>(upload.height) *
                                         static_cast<std::size_t>(bytesPerPixel(upload.format)));
    } catch (const std::bad_alloc&) {
        return {};
    }
}

} // namespace

LoadedTexture LoadScaledTexture(const std::string& path) {
    LoadedTexture loaded{Texture::generate()};
    glBindTexture(GL_TEXTURE_2D, loaded.texture.name());

    const auto file = readBitmapFile(path);
    const auto image = file ? decodeScaledBitmap(*file) : std::nullopt;
    if (!image)
        return loaded;

    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    GLint maxTextureSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTextureSize);
    const ScaledUpload upload = planScaledUpload(*image, maxTextureSize);

    const TightPixelRows rows;
    const GLenum format = glFormat(upload.format);
    std::vector<std::uint8_t> scaled;
    if (upload.scale)
        scaled = scaledCopyBuffer(upload);
    if (!scaled.empty()) {
        const GLenum inFormat = scalingFormat(upload.format);
        if (gluScaleImage(inFormat, image->width, image->height, GL_UNSIGNED_BYTE, image->pixels.data(),
                          upload.width, upload.height, GL_UNSIGNED_BYTE, scaled.data()) == 0) {
            glTexImage2D(GL_TEXTURE_2D, 0, upload.components, upload.width, upload.height, 0, format,
                         GL_UNSIGNED_BYTE, scaled.data());
            loaded.hasImage = true;
            return loaded;
        }
    }
    // Unscaled, or the scaled copy could not be made: the picture at its own size.
    glTexImage2D(GL_TEXTURE_2D, 0, upload.components, image->width, image->height, 0, format,
                 GL_UNSIGNED_BYTE, image->pixels.data());
    loaded.hasImage = true;
    return loaded;
}

} // namespace quillmere
