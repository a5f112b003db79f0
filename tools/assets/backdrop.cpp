#include "backdrop.h"

#include "shading.h"

#include <array>
#include <cmath>
#include <optional>

namespace quillmere::assetgen {
namespace {

// The picture is stretched over a 180 x 76 quad, so a shape that should look round on screen is
// this much narrower, in texels, than it is tall.
constexpr double ScreenAspect = (BackdropWidth / 180.0) / (BackdropHeight / 76.0);

// Where, as a fraction of the way from the top down to the sand, the water starts to brighten.
constexpr double GlowTop = 0.45;

// Water brightness below which the water is left pure black: there the masked loader makes it
// transparent and the bubbles rising behind the backdrop show. The colour is already nearly
// black at that level, so the edge cannot be seen.
constexpr double TransparentBelow = 0.12;

struct Frond {
    double baseX;  // 0..1 across the picture
    double height; // of the picture's height
    double sway;   // sideways swing, of the picture's width
    double phase;  // radians
    Colour colour;
};

constexpr std::array<Frond, 9> Fronds = {{
    {0.06, 0.46, 0.020, 0.0, {34, 92, 52}},
    {0.10, 0.34, 0.015, 1.7, {46, 110, 58}},
    {0.14, 0.52, 0.025, 3.1, {28, 80, 50}},
    {0.26, 0.28, 0.012, 0.9, {58, 118, 60}},
    {0.71, 0.30, 0.013, 2.2, {52, 112, 62}},
    {0.80, 0.50, 0.022, 4.0, {30, 86, 54}},
    {0.85, 0.38, 0.016, 5.1, {44, 104, 56}},
    {0.91, 0.56, 0.024, 0.4, {26, 78, 48}},
    {0.95, 0.33, 0.014, 2.8, {40, 98, 55}},
}};

// Screen height (0 top, 1 bottom) of the sand's upper edge at u across.
double sandLine(double u) {
    return 0.80 - 0.035 * std::sin(u * 2 * Pi * 1.3 + 0.6) - 0.018 * std::sin(u * 2 * Pi * 3.1 + 2.0) -
           0.02 * (valueNoise(u * 9, 0.5, 11) - 0.5);
}

// How far the light over the floor reaches into the water: 0 in the dark above, 1 at the floor.
double waterGlow(double v, double floorV) {
    return smoothstep(GlowTop, 1.0, clamp01(v / floorV));
}

Colour waterAt(double u, double v, double floorV) {
    const double glow = waterGlow(v, floorV);
    // Faint slanted light shafts, strongest just above the floor.
    const double shafts =
        0.5 + 0.5 * std::sin((u * 7.0 + v * 2.2) * 2 * Pi * 0.5 + 1.3 * valueNoise(u * 4, v, 5));
    const Colour deep{4, 14, 34};
    const Colour shallow{36, 112, 150};
    return mix(deep, shallow, glow) * (glow * (0.9 + 0.1 * shafts * glow));
}

Colour sandAt(double u, double v, double floorV) {
    const double below = (v - floorV) / (1.0 - floorV + 1e-9); // 0 at the edge, 1 at the bottom
    const double ripples =
        0.5 + 0.5 * std::sin((u * 60.0 + 6.0 * valueNoise(u * 8, v * 8, 3)) * ScreenAspect + v * 40.0);
    const double grain = hash01(static_cast<std::int32_t>(u * BackdropWidth),
                                static_cast<std::int32_t>(v * BackdropHeight), 7);
    const double blotch = valueNoise(u * 30 * ScreenAspect, v * 30, 9);
    const Colour far{120, 118, 104};
    const Colour near{206, 182, 134};
    Colour sand = mix(far, near, smoothstep(0.0, 1.0, below));
    sand = sand * (0.86 + 0.08 * ripples + 0.06 * grain + 0.08 * (blotch - 0.5));
    // Pebbles: a sparse lattice of small rounded stones.
    const double cellW = 0.018 * ScreenAspect, cellH = 0.018;
    const auto cx = static_cast<std::int32_t>(std::floor(u / cellW));
    const auto cy = static_cast<std::int32_t>(std::floor(v / cellH));
    if (hash01(cx, cy, 21) < 0.12) {
        const double px = (cx + 0.5) * cellW, py = (cy + 0.5) * cellH;
        const double r = 0.35 + 0.3 * hash01(cx, cy, 22);
        const double dx = (u - px) / cellW / r * 2;
        const double dy = (v - py) / cellH / r * 2;
        const double d = dx * dx + dy * dy;
        if (d < 1.0) {
            const double shade = 0.55 + 0.35 * hash01(cx, cy, 23) + 0.15 * (1 - d) - 0.15 * dy;
            sand = mix(sand, Colour{130, 120, 110} * shade, smoothstep(1.0, 0.7, d));
        }
    }
    return sand;
}

// The weed in front of the water and the sand, or nothing where (u, v) misses every frond.
std::optional<Colour> weedAt(double u, double v) {
    for (const Frond& f : Fronds) {
        const double base = sandLine(f.baseX) + 0.01;
        const double top = base - f.height;
        if (v < top || v > base)
            continue;
        const double along = (base - v) / f.height; // 0 at the root, 1 at the tip
        const double centre = f.baseX + f.sway * std::sin(along * 2 * Pi * 0.9 + f.phase) * along;
        const double halfWidth =
            0.010 * ScreenAspect * (1.0 - 0.85 * along) * (1 + 0.3 * std::sin(along * 23));
        const double across = (u - centre) / halfWidth;
        if (std::abs(across) >= 1.0)
            continue;
        const double rib = 1.0 - std::abs(across);
        return f.colour * (0.75 + 0.35 * rib + 0.2 * smoothstep(0.5, 1.0, along));
    }
    return std::nullopt;
}

} // namespace

Picture makeBackdrop() {
    Picture picture(BackdropWidth, BackdropHeight);
    // The view maps t = 0, the first row stored, to the top edge of the backdrop quad, so rows are
    // made from the top of the screen down.
    for (int row = 0; row < BackdropHeight; ++row) {
        const double v = (row + 0.5) / BackdropHeight;
        for (int x = 0; x < BackdropWidth; ++x) {
            const double u = (x + 0.5) / BackdropWidth;
            const double floorV = sandLine(u);
            if (const auto weed = weedAt(u, v)) {
                picture.at(x, row) = opaqueRgb(*weed);
                continue;
            }
            if (v >= floorV) {
                // A soft haze over the sand's far edge.
                const double haze = smoothstep(0.03, 0.0, v - floorV);
                picture.at(x, row) = opaqueRgb(mix(sandAt(u, v, floorV), waterAt(u, v, floorV), haze * 0.6));
                continue;
            }
            const Colour water = waterAt(u, v, floorV);
            picture.at(x, row) = waterGlow(v, floorV) < TransparentBelow ? Rgb{} : opaqueRgb(water);
        }
    }
    return picture;
}

} // namespace quillmere::assetgen
