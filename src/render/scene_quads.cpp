#include "render/scene_quads.h"

#include <GL/gl.h>

namespace quillmere {

TexturedQuad customBackdropQuad(const TankBox& tank) {
    constexpr float Bottom = -38.0f;
    constexpr float Top = 39.0f;
    return {{{0.0f, 0.0f, tank.left, Bottom, BackdropPlaneZ},
             {1.0f, 0.0f, tank.right, Bottom, BackdropPlaneZ},
             {1.0f, 1.0f, tank.right, Top, BackdropPlaneZ},
             {0.0f, 1.0f, tank.left, Top, BackdropPlaneZ}}};
}

TexturedQuad builtInBackdropQuad(const TankBox& tank) {
    constexpr float Top = 38.0f;
    constexpr float Bottom = -38.0f;
    return {{{0.0f, 0.0f, tank.left, Top, BackdropPlaneZ},
             {1.0f, 0.0f, tank.right, Top, BackdropPlaneZ},
             {1.0f, 1.0f, tank.right, Bottom, BackdropPlaneZ},
             {0.0f, 1.0f, tank.left, Bottom, BackdropPlaneZ}}};
}

TexturedQuad bubbleQuad(const BubbleSprite& b) {
    const float s = b.size;
    return {{{0.0f, 0.0f, b.x - s, b.y - s, b.z},
             {1.0f, 0.0f, b.x - s, b.y + s, b.z},
             {1.0f, 1.0f, b.x + s, b.y + s, b.z},
             {0.0f, 1.0f, b.x + s, b.y - s, b.z}}};
}

void emitQuad(const TexturedQuad& quad) {
    for (const TexturedVertex& v : quad) {
        glTexCoord2f(v.s, v.t);
        glVertex3f(v.x, v.y, v.z);
    }
}

} // namespace quillmere
