#include "assets/masked_texture.h"

#include "assets/bitmap_reader.h"
#include "assets/masked_bitmap.h"
#include "assets/tight_pixel_rows.h"

#include <GL/glu.h>

namespace quillmere {

LoadedTexture LoadMaskedTexture(const std::string& path) {
    const auto file = readBitmapFile(path);
    return LoadMaskedTextureFromMemory(file ? std::span<const std::uint8_t>(*file)
                                            : std::span<const std::uint8_t>());
}

LoadedTexture LoadMaskedTextureFromMemory(std::span<const std::uint8_t> file) {
    LoadedTexture loaded{Texture::generate()};
    glBindTexture(GL_TEXTURE_2D, loaded.texture.name());

    const auto image = decodeMaskedBitmap(file);
    if (!image)
        return loaded;

    {
        const TightPixelRows rows;
        loaded.hasImage = gluBuild2DMipmaps(GL_TEXTURE_2D, 4, image->width, image->height, GL_RGBA,
                                            GL_UNSIGNED_BYTE, image->rgba.data()) == 0;
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    return loaded;
}

} // namespace quillmere
