#include "render/user_picture_textures.h"

#include "assets/user_picture_texture.h"

#include <algorithm>

namespace quillmere {

GLuint UserPictureTextures::load(const std::string& path) {
    Texture texture = LoadUserPicture(path);
    const GLuint name = texture.name();
    if (name != 0)
        m_textures.push_back(std::move(texture));
    return name;
}

void UserPictureTextures::release(GLuint name) {
    std::erase_if(m_textures, [name](const Texture& texture) { return name != 0 && texture.name() == name; });
}

bool UserPictureTextures::holds(long long name) const {
    return name > 0 && std::any_of(m_textures.begin(), m_textures.end(),
                                   [name](const Texture& texture) { return texture.name() == name; });
}

} // namespace quillmere
