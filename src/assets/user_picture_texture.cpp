#include "assets/user_picture_texture.h"

#include "assets/tight_pixel_rows.h"
#include "assets/user_picture.h"

#include <SOIL/SOIL.h>

namespace quillmere {

static_assert(UserPictureFlags ==
              (SOIL_FLAG_MIPMAPS | SOIL_FLAG_INVERT_Y | SOIL_FLAG_COMPRESS_TO_DXT | SOIL_FLAG_NTSC_SAFE_RGB));

UserPictureTexture LoadUserPictureTexture(const std::string& path) {
    GLint maxTextureSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTextureSize);
    const UserPictureFile file = readUserPicture(path, userPictureLimits(maxTextureSize));
    if (!file.picture)
        return {Texture(), file.error};

    const UserPicture& picture = *file.picture;
    // SOIL uploads its own tightly packed copy; narrow pictures would skew under 4-byte row alignment.
    const TightPixelRows rows;
    Texture texture(SOIL_create_OGL_texture(picture.pixels.data(), picture.width, picture.height,
                                            picture.channels, SOIL_CREATE_NEW_ID, UserPictureFlags));
    if (!texture)
        return {Texture(), userPictureLoadingError(path)};
    return {std::move(texture), {}};
}

Texture LoadUserPicture(const std::string& path) {
    return LoadUserPictureTexture(path).texture;
}

} // namespace quillmere
