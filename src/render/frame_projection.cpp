#include "render/frame_projection.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>

namespace quillmere {

Frustum frameFrustum(ScreenSize screen) {
    constexpr double HalfSide = 0.4;
    const double width = std::max(screen.width, 1);
    const double height = std::max(screen.height, 1);
    Frustum frustum;
    if (width > height) {
        frustum.right = HalfSide * width / height;
        frustum.top = HalfSide;
    } else {
        frustum.right = HalfSide;
        frustum.top = HalfSide * height / width;
    }
    frustum.left = -frustum.right;
    frustum.bottom = -frustum.top;
    return frustum;
}

Perspective resizePerspective(int cx, int cy) {
    Perspective perspective;
    perspective.viewportWidth = std::max(cx, 0);
    perspective.viewportHeight = cy > 0 ? cy : 1;
    perspective.aspect = static_cast<double>(perspective.viewportWidth) / perspective.viewportHeight;
    return perspective;
}

void applyFrameProjection(ScreenSize screen) {
    const Frustum f = frameFrustum(screen);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(f.left, f.right, f.bottom, f.top, f.nearPlane, f.farPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void applyResizeProjection(int cx, int cy) {
    const Perspective p = resizePerspective(cx, cy);
    glViewport(0, 0, p.viewportWidth, p.viewportHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(p.fovy, p.aspect, p.zNear, p.zFar);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

} // namespace quillmere
