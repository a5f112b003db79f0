#include "fish_kinds_picture.h"

#include "fish_drawing.h"
#include "icon_canvas.h"

#include "../assets/fish_skins.h"

#include "fish/fish_model.h"
#include "ui/artwork/ui_artwork_ids.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace quillmere::uiart {
namespace {

// Rendered at a finer grid and filtered down, for smooth edges.
constexpr int Oversample = 4;
// The light setting the portraits are shown under: bright, yet dim enough that the shading shows the
// body's roundness (the tank's full light clamps the lit colour and draws the skins flat).
constexpr double PortraitLight = 0.55;
// A three-quarter view from a little above, so the back and the far fins show.
constexpr double PortraitYaw = -18.0;
constexpr double PortraitTilt = 12.0;

FishPose portraitPose(int kind) {
    FishPose pose;
    pose.kind = kindFromNumber(kind);
    pose.size = 8;
    // A gentle bend through the body, as a fish gliding along holds itself.
    for (int i = 0; i < RingCount; ++i)
        pose.ringAngles[static_cast<std::size_t>(i)] = 7.0f * static_cast<float>(i) / (RingCount - 1) - 3.5f;
    return pose;
}

Affine portraitCamera() {
    return Affine()
        .translated(0.0, 0.0, -60.0)
        .rotated(PortraitTilt, 1.0, 0.0, 0.0)
        .rotated(PortraitYaw, 0.0, 1.0, 0.0);
}

void paintCell(IconCanvas& canvas, double left, double top) {
    const double w = FishKindCellWidth, h = FishKindCellHeight;
    const auto tile = [=](Point p) {
        return roundedBox(p, {left + w / 2, top + h / 2}, w / 2 - 2, h / 2 - 2, 7);
    };
    canvas.shadow(tile, 1.0, 1.5, 0.25);
    canvas.fill(tile, verticalGradient(hex(0xEEFAFE), hex(0x8ED0E6), top + 2, top + h - 2));
    const auto sand = [=](Point p) {
        return intersect(tile(p), top + h - 11 + 2.5 * std::sin((p.x - left) / 9.0) - p.y);
    };
    canvas.fill(sand, verticalGradient(hex(0xF3E3B5), hex(0xD9BF80), top + h - 14, top + h - 2));
    for (const auto& [x, y, r] : {std::array{86.0, 14.0, 2.6}, {91.0, 24.0, 1.7}, {82.0, 30.0, 1.2}}) {
        const Point c{left + x, top + y};
        canvas.fill([&](Point p) { return outline(circle(p, c, r), 0.7); }, Colour{255, 255, 255}, 0.85);
    }
    // The count's corner: a light plate that dark text stands out on.
    const auto plate = [=](Point p) { return roundedBox(p, {left + 12, top + 11}, 10.5, 8.5, 4); };
    canvas.fill(plate, Colour{255, 255, 255}, 0.8);
    canvas.fill([&](Point p) { return outline(tile(p), 1.0); }, hex(0x4E94B0), 0.9);
}

// The ground the dialog's buttons, total and link stand on: pale water with faint ripples of light, a
// few bubbles along the right and a strip of sand along the bottom, all soft enough for text to read on.
void paintPanel(IconCanvas& canvas) {
    constexpr double GridRight = FishKindGridOrigin + FishKindColumns * FishKindCellWidth;
    constexpr double GridBottom = FishKindGridOrigin + FishKindRows * FishKindCellHeight;
    const double h = FishKindsSize.height;
    canvas.fill([](Point) { return -1.0; },
                [h](Point p) {
                    const double ripple = assetgen::fbm(p.x / 38.0, p.y / 22.0, 41, 3);
                    // The ripples stay clear of the grid, so every tile lies on the same ground.
                    const double outside = std::max(p.x - GridRight, p.y - GridBottom);
                    const double light = assetgen::smoothstep(0.55, 0.75, ripple) * 0.6 * (1.0 - p.y / h) *
                                         assetgen::smoothstep(4.0, 24.0, outside);
                    const Colour water = assetgen::mix(hex(0xF5FBFD), hex(0xCFEAF3), p.y / h);
                    return assetgen::mix(water, Colour{255, 255, 255}, light);
                });
    for (const auto& [x, y, r] : {std::array{560.0, 300.0, 6.0},
                                  {584.0, 246.0, 4.0},
                                  {548.0, 190.0, 5.0},
                                  {600.0, 128.0, 3.0},
                                  {570.0, 70.0, 4.5},
                                  {596.0, 22.0, 3.0}}) {
        const Point c{x, y};
        canvas.fill([&](Point p) { return outline(circle(p, c, r), 1.0); }, hex(0x7FC3DA), 0.6);
        canvas.fill(
            [&](Point p) {
                return circle(p, {x - r * 0.35, y - r * 0.35}, r * 0.3);
            },
            Colour{255, 255, 255}, 0.9);
    }
    const auto sand = [h](Point p) {
        return h - 16 + 3 * std::sin(p.x / 47.0) + 2 * std::sin(p.x / 13.0 + 1) - p.y;
    };
    canvas.fill(sand, verticalGradient(hex(0xF1E2B8), hex(0xDCC48A), h - 22, h));
}

} // namespace

RgbaPicture renderFishPortrait(int kind, int width, int height) {
    FishMesh mesh;
    const FishPose pose = portraitPose(kind);
    BuildFishMesh(pose, mesh);
    const Affine modelView = fishModelView(portraitCamera(), pose);

    double x0 = std::numeric_limits<double>::max(), x1 = -x0, y0 = x0, y1 = -x0;
    for (const FishPrimitive& primitive : mesh.usedPrimitives())
        for (const FishVertex& v : mesh.verticesOf(primitive)) {
            const Vec p = modelView.point({v.x, v.y, v.z});
            x0 = std::min(x0, p.x), x1 = std::max(x1, p.x), y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
        }
    // Fit the fish's extent into the picture, keeping its proportions, centred.
    const double unitsPerPixel = std::max((x1 - x0) / width, (y1 - y0) / height) * 1.02;
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const double hw = width * unitsPerPixel / 2, hh = height * unitsPerPixel / 2;
    SoftRasterizer raster(width, height, Oversample);
    raster.setOrtho(cx - hw, cx + hw, cy - hh, cy + hh, 1.0, 200.0);

    const assetgen::Picture skin = assetgen::makeFishSkin(kind);
    DrawState state;
    state.texture = &skin;
    state.lit = true;
    state.lightStrength = PortraitLight;
    drawFishMesh(raster, mesh, modelView, state, std::max(1.0, width / 90.0));
    return raster.toPicture();
}

RgbaPicture makeFishKindsPicture(int scale) {
    IconCanvas canvas(FishKindsSize.width, FishKindsSize.height, scale);
    paintPanel(canvas);
    for (int kind = 0; kind < FishKindColumns * FishKindRows; ++kind) {
        const int left = FishKindCellWidth * (kind % FishKindColumns) + FishKindGridOrigin;
        const int top = FishKindCellHeight * (kind / FishKindColumns) + FishKindGridOrigin;
        // The tile's shadow reaches a little past the cell.
        canvas.limitTo(left - 4, top - 4, left + FishKindCellWidth + 4, top + FishKindCellHeight + 4);
        paintCell(canvas, left, top);
        const FishArea& area = FishKindFishArea;
        // A soft shadow on the sand below the fish.
        const Point shadowCentre{left + area.left + area.width * 0.5, top + FishKindCellHeight - 9.0};
        canvas.fill([&](Point p) { return ellipse(p, shadowCentre, area.width * 0.33, 3.0); }, hex(0x6B5A2E),
                    0.25, 2.5);
        canvas.place(renderFishPortrait(kind, area.width * scale, area.height * scale),
                     (left + area.left) * scale, (top + area.top) * scale);
    }
    return canvas.toPicture();
}

} // namespace quillmere::uiart
