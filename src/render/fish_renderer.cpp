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

// The mesh is laid out as GL's arrays want it, so each primitive goes to the driver in one call rather
// than three calls a vertex; the vertices and their order are the same.
void emitFishMesh(const FishMesh& mesh) {
    if (mesh.vertexCount == 0)
        return;
    constexpr GLsizei Stride = sizeof(FishVertex);
    const FishVertex& first = mesh.vertices[0];
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_FLOAT, Stride, &first.x);
    glNormalPointer(GL_FLOAT, Stride, &first.nx);
    glTexCoordPointer(2, GL_FLOAT, Stride, &first.s);
    float shade = 1.0f;
    for (const FishPrimitive& primitive : mesh.usedPrimitives()) {
        if (primitive.shade != shade) {
            shade = primitive.shade;
            glColor3f(shade, shade, shade);
        }
        glDrawArrays(glMode(primitive.mode), primitive.first, primitive.count);
    }
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
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
