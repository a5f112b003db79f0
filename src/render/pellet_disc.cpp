#include "render/pellet_disc.h"

#include <cmath>

namespace quillmere {

DiscPoint pelletDiscPoint(int i) {
    const float angle = static_cast<float>(i) * 0.01256637f; // 2 pi / 500
    return {std::cos(angle) * PelletDiscRadius, std::sin(angle) * PelletDiscRadius};
}

DisplayLists compilePelletDisc() {
    DisplayLists disc = DisplayLists::generate(1);
    if (!disc)
        return disc;
    glNewList(disc.base(), GL_COMPILE);
    glPushMatrix();
    glDisable(GL_TEXTURE_2D);
    glColor3ub(243, 225, 159);
    glBegin(GL_TRIANGLE_FAN);
    for (int i = 0; i < PelletDiscPoints; ++i) {
        const DiscPoint p = pelletDiscPoint(i);
        glVertex2f(p.x, p.y);
    }
    glEnd();
    glColor3ub(255, 255, 255);
    glEnable(GL_TEXTURE_2D);
    glPopMatrix();
    glEndList();
    return disc;
}

} // namespace quillmere
