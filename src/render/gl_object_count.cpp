#include "render/gl_object_count.h"

namespace quillmere {

GlObjectCount countLiveGlObjects(GLuint highestName) {
    GlObjectCount count;
    for (GLuint name = 1; name <= highestName; ++name) {
        count.textures += glIsTexture(name) == GL_TRUE;
        count.displayLists += glIsList(name) == GL_TRUE;
    }
    return count;
}

} // namespace quillmere
