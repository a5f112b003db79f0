#include "fish_drawing.h"

#include "fish/fish_model.h"

namespace quillmere::uiart {
namespace {

EyeVertex eyeVertex(const Affine& modelView, const FishVertex& v) {
    return {modelView.point({v.x, v.y, v.z}), modelView.direction({v.nx, v.ny, v.nz}), v.s, v.t};
}

} // namespace

Affine fishModelView(const Affine& camera, const FishPose& pose) {
    const FishPitchRotation pitch = fishPitchRotation(pose);
    return camera.translated(pose.x, pose.y, pose.z)
        .rotated(-90.0, 1.0, 0.0, 0.0)
        .rotated(pitch.angleDegrees, pitch.ax, pitch.ay, pitch.az);
}

void drawFishMesh(SoftRasterizer& raster, const FishMesh& mesh, const Affine& modelView, DrawState state,
                  double linePixels) {
    for (const FishPrimitive& primitive : mesh.usedPrimitives()) {
        state.colour = {primitive.shade, primitive.shade, primitive.shade};
        const auto vertices = mesh.verticesOf(primitive);
        const auto at = [&](std::size_t i) { return eyeVertex(modelView, vertices[i]); };
        switch (primitive.mode) {
        case FishPrimitiveMode::QuadStrip:
            for (std::size_t i = 0; i + 3 < vertices.size(); i += 2) {
                raster.triangle(state, at(i), at(i + 1), at(i + 3));
                raster.triangle(state, at(i), at(i + 3), at(i + 2));
            }
            break;
        case FishPrimitiveMode::Lines:
            for (std::size_t i = 0; i + 1 < vertices.size(); i += 2)
                raster.line(state, at(i), at(i + 1), linePixels);
            break;
        case FishPrimitiveMode::LineLoop:
            for (std::size_t i = 0; i < vertices.size(); ++i)
                raster.line(state, at(i), at((i + 1) % vertices.size()), linePixels);
            break;
        }
    }
}

} // namespace quillmere::uiart
