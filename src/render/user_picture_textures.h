#pragma once

#include "assets/gl_texture.h"

#include <GL/gl.h>
#include <string>
#include <vector>

namespace quillmere {

// The textures of the pictures the user chose for the backdrop, owned by the tank: each lives from its
// load until the Custom Background dialog releases it or the tank's GL objects go. Every call needs
// the tank's context current.
class UserPictureTextures {
public:
    // The new texture's name, 0 when the picture cannot be loaded.
    GLuint load(const std::string& path);
    // Deletes the texture; a name it does not hold is ignored.
    void release(GLuint name);
    // Whether name is a live picture texture; 0, -1 and released names are not.
    bool holds(long long name) const;
    int count() const { return static_cast<int>(m_textures.size()); }
    void clear() { m_textures.clear(); }

private:
    std::vector<Texture> m_textures;
};

} // namespace quillmere
