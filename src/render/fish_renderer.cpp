#include "render/fish_renderer.h"

#include "fish/fish_model.h"

namespace quillmere {
namespace {

GLenum glMode(FishPrimitiveMode mode) {
    switch (mode) {
    case FishPrimitiveMode::Lines:
        return GL_LINES;
    case FishPrimitiveMode::LineLoop:
        return GL_LINE_LOOP;
    case FishPrimitiveMode::QuadStrip:
        break;
    }
    return GL_QUAD_STRIP;
}

} // namespace

void emitFishMesh(const FishMesh& mesh) {
    float shade = 1.0f;
    for (const FishPrimitive& primitive : mesh.usedPrimitives()) {
        if (primitive.shade != shade) {
            shade = primitive.shade;
            glColor3f(shade, shade, shade);
        }
        glBegin(glMode(primitive.mode));
        for (const FishVertex& v : mesh.verticesOf(primitive)) {
            glNormal3f(v.nx, v.ny, v.nz);
            glTexCoord2f(v.s, v.t);
            glVertex3f(v.x, v.y, v.z);
        }
        glEnd();
    }
}

void drawFishModel(const FishPose& pose) {
    FishMesh mesh;
    BuildFishMesh(pose, mesh);
    glPushMatrix();
    // Model z becomes world up and model y world -z.
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
    const FishPitchRotation pitch = fishPitchRotation(pose);
    glRotatef(pitch.angleDegrees, pitch.ax, pitch.ay, pitch.az);
    emitFishMesh(mesh);
    glColor3f(1.0f, 1.0f, 1.0f);
    glPopMatrix();
}

void drawFish(const FishPose& pose, GLuint skinTexture) {
    glPushMatrix();
    glTranslatef(pose.x, pose.y, pose.z);
    glBindTexture(GL_TEXTURE_2D, skinTexture);
    drawFishModel(pose);
    glPopMatrix();
}

} // namespace quillmere
