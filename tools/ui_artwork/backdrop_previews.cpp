#include "backdrop_previews.h"

#include "fish_drawing.h"
#include "soft_rasterizer.h"

#include "../assets/backdrop.h"
#include "../assets/bubble_sprite.h"
#include "../assets/fish_skins.h"

#include "fish/fish_model.h"
#include "scene/scene.h"
#include "ui/artwork/ui_artwork_ids.h"

#include <array>
#include <memory>
#include <vector>

namespace quillmere::uiart {
namespace {

constexpr int Oversample = 4;
// Long enough for the bubble column to rise to the top and for the fish to leave their start places.
constexpr int FramesBeforeThePicture = 600;
// A few kinds, two of each: enough fish to read as a tank at this size without hiding the backdrop.
constexpr std::array<int, FishKindCount> PreviewFishCounts{0, 2, 0, 2, 0, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0};
// The camera held in the middle of its sweep, at the default distance.
constexpr CameraValues PreviewCamera{3500, 500};

AquariumSettings previewSettings(int background) {
    AquariumSettings settings;
    settings.background = background;
    settings.fishCount = PreviewFishCounts;
    settings.autoViews = 0;
    settings.viewLeftRight = PreviewCamera.liveLeftRight;
    settings.viewNearFar = PreviewCamera.liveNearFar;
    return settings;
}

EyeVertex corner(const Affine& modelView, Vec point, double s, double t) {
    return {modelView.point(point), modelView.direction({0.0, 0.0, 1.0}), s, t};
}

void drawBubbles(SoftRasterizer& raster, const SceneFrame& frame, const Affine& camera,
                 const PreviewTextures& textures) {
    if (!frame.bubblesDrawn)
        return;
    const Affine modelView =
        camera.translated(frame.bubbleTranslation.x, frame.bubbleTranslation.y, frame.bubbleTranslation.z);
    DrawState state;
    state.texture = &textures.bubble;
    state.lit = true;
    state.lightStrength = frame.lightIntensity;
    state.blend = Blend::Additive;
    for (int i = 0; i < std::clamp(frame.bubbleCount, 0, MaxParticles); ++i) {
        const BubbleSprite& b = frame.bubbles[static_cast<std::size_t>(i)];
        const double s = b.size;
        const EyeVertex a = corner(modelView, {b.x - s, b.y - s, b.z}, 0, 0);
        const EyeVertex c = corner(modelView, {b.x + s, b.y + s, b.z}, 1, 1);
        raster.triangle(state, a, corner(modelView, {b.x - s, b.y + s, b.z}, 1, 0), c);
        raster.triangle(state, a, c, corner(modelView, {b.x + s, b.y - s, b.z}, 0, 1));
    }
}

void drawFish(SoftRasterizer& raster, const SceneFrame& frame, const Affine& camera,
              const PreviewTextures& textures, double linePixels) {
    auto mesh = std::make_unique<FishMesh>();
    for (int i = 0; i < std::clamp(frame.fishCount, 0, FishSlotCount); ++i) {
        const FishPose& pose = frame.fish[static_cast<std::size_t>(i)];
        BuildFishMesh(pose, *mesh);
        DrawState state;
        state.texture =
            &textures.skins[static_cast<std::size_t>(std::clamp(pose.kind, 0, FishKindCount - 1))];
        state.lit = true;
        state.lightStrength = frame.lightIntensity;
        state.fogDensity = frame.fogDensity;
        drawFishMesh(raster, *mesh, fishModelView(camera, pose), state, linePixels);
    }
}

void drawBuiltInBackdrop(SoftRasterizer& raster, const SceneFrame& frame, const Affine& camera,
                         const TankBox& tank, const PreviewTextures& textures) {
    if (!frame.builtInBackdrop)
        return;
    DrawState state;
    state.texture = &textures.backdrop;
    state.blackIsClear = true;
    state.lit = true;
    state.lightStrength = frame.lightIntensity;
    state.fogDensity = frame.fogDensity;
    if (frame.builtInBackdropTint.set) {
        const TintColour& c = frame.builtInBackdropTint.colour;
        state.colour = {c.red, c.green, c.blue};
    }
    constexpr double Z = -90.0, Top = 38.0, Bottom = -38.0;
    const EyeVertex topLeft = corner(camera, {tank.left, Top, Z}, 0, 0);
    const EyeVertex bottomRight = corner(camera, {tank.right, Bottom, Z}, 1, 1);
    raster.triangle(state, topLeft, corner(camera, {tank.right, Top, Z}, 1, 0), bottomRight);
    raster.triangle(state, topLeft, bottomRight, corner(camera, {tank.left, Bottom, Z}, 0, 1));
}

} // namespace

PreviewTextures::PreviewTextures()
    : backdrop(assetgen::makeBackdrop()), bubble(assetgen::makeBubbleSprite()) {
    for (int kind = 0; kind < FishKindCount; ++kind)
        skins.push_back(assetgen::makeFishSkin(kind));
}

RgbaPicture makeBackdropPreview(const PreviewTextures& textures, int background, int scale) {
    const AquariumSettings settings = previewSettings(background);
    Random random;
    auto scene = std::make_unique<Scene>(random);
    scene->setUp(random, settings);
    CameraValues camera = PreviewCamera;
    for (int i = 1; i < FramesBeforeThePicture; ++i)
        scene->frame(random, settings, camera, FrameInputs{});
    const SceneFrame& frame = scene->frame(random, settings, camera, FrameInputs{});

    const int width = BackdropPreviewSize.width * scale, height = BackdropPreviewSize.height * scale;
    SoftRasterizer raster(width, height, Oversample);
    // The frame's projection for a screen of the preview's shape.
    constexpr double A = 0.4;
    const double aspect = static_cast<double>(BackdropPreviewSize.width) / BackdropPreviewSize.height;
    raster.setFrustum(-A * aspect, A * aspect, -A, A, 1.0, 1000.0);
    raster.clear({0.0, 0.0, 0.0}, 1.0);
    const Affine view =
        Affine::lookAt({frame.eyeX, 0.0, frame.cameraZoom - 3.0}, {0.0, 0.0, -500.0}, {0.0, 1.0, 0.0});

    drawBubbles(raster, frame, view, textures);
    drawFish(raster, frame, view, textures, scale * 0.5);
    drawBuiltInBackdrop(raster, frame, view, scene->tankBox(), textures);
    return raster.toPicture();
}

} // namespace quillmere::uiart
