#include "assets/user_picture_texture.h"

#include <SOIL/SOIL.h>

namespace quillmere {

static_assert(UserPictureFlags ==
              (SOIL_FLAG_MIPMAPS | SOIL_FLAG_INVERT_Y | SOIL_FLAG_COMPRESS_TO_DXT | SOIL_FLAG_NTSC_SAFE_RGB));

Texture LoadUserPicture(const std::string& path) {
    return Texture(SOIL_load_OGL_texture(path.c_str(), SOIL_LOAD_AUTO, SOIL_CREATE_NEW_ID, UserPictureFlags));
}

} // namespace quillmere
