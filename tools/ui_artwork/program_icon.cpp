#include "program_icon.h"

#include "icon_style.h"
#include "vector_canvas.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quillmere::uiart {
namespace {

// Painted on a 256-unit square, whatever the size in pixels.
constexpr int Units = 256;
constexpr Colour White{255, 255, 255};

double tile(Point p) {
    return roundedBox(p, {128, 128}, 114, 114, 46);
}

template <typename Canvas> void paintWater(Canvas& canvas, bool detailed) {
    canvas.shadow(tile, 5.0, 6.0, 0.4);
    canvas.fill(tile, verticalGradient(hex(0x5ED3F0), hex(0x0B3A78), 14, 242));
    if (detailed) {
        // Shafts of light slanting down from the surface.
        for (const double x : {70.0, 120.0, 178.0}) {
            const auto shaft = [x](Point p) {
                return intersect(tile(p),
                                 polygon(p, {{x - 14, 14}, {x + 14, 14}, {x + 44, 210}, {x + 8, 210}}));
            };
            canvas.fill(
                shaft,
                [](Point p) {
                    return Colour{255, 255, 255} * (1.0 - p.y / 230.0) + hex(0x9EEBFF) * (p.y / 230.0);
                },
                0.16, 10.0);
        }
    }
    const auto sand = [](Point p) { return intersect(tile(p), 206 + 8 * std::sin(p.x / 28.0) - p.y); };
    canvas.fill(sand, verticalGradient(hex(0xF6DC97), hex(0xC79A4E), 196, 242));
    if (detailed) {
        const auto weed = [](Point p) {
            double d = 1e9;
            for (int i = 0; i < 8; ++i) {
                const double y0 = 214 - i * 16.0, y1 = y0 - 16;
                d = unite(d, capsule(p, {44 + 9 * std::sin(i * 0.9), y0},
                                     {44 + 9 * std::sin((i + 1) * 0.9), y1}, 7 - i * 0.55));
            }
            return intersect(tile(p), d);
        };
        canvas.fill(weed, verticalGradient(hex(0x7EE08B), hex(0x1E7A3C), 90, 220));
    }
}

template <typename Canvas> void paintFish(Canvas& canvas, double outlineWidth) {
    const auto body = [](Point p) { return ellipse(p, {118, 132}, 66, 44); };
    const auto tail = [](Point p) { return polygon(p, {{170, 132}, {226, 84}, {212, 132}, {226, 180}}) - 4; };
    const auto dorsal = [](Point p) { return polygon(p, {{92, 94}, {136, 66}, {156, 98}}) - 3; };
    const auto fin = [](Point p) { return polygon(p, {{110, 160}, {134, 186}, {142, 160}}) - 3; };
    const auto fish = [&](Point p) { return unite({body(p), tail(p), dorsal(p), fin(p)}); };
    paintGlossy(canvas, fish, {hex(0xFFB347), hex(0xEE4F16), hex(0x8C2A06), outlineWidth, 0.3}, 66, 190);
    const auto bar = [&](Point p) { return intersect(body(p) + 4, std::abs(p.x - 98) - 10); };
    canvas.fill(bar, White, 0.95);
    canvas.fill([&](Point p) { return outline(bar(p), outlineWidth * 0.6); }, hex(0x8C2A06), 0.8);
    canvas.fill([](Point p) { return circle(p, {76, 120}, 13); }, White);
    canvas.fill([](Point p) { return circle(p, {73, 120}, 7.5); }, hex(0x141414));
    canvas.fill([](Point p) { return circle(p, {70, 116}, 2.6); }, White);
}

template <typename Canvas> void paintBubbles(Canvas& canvas, double ring) {
    for (const auto& [x, y, r] : {std::array{196.0, 60.0, 15.0}, {214.0, 100.0, 9.0}, {180.0, 34.0, 7.0}}) {
        const Point c{x, y};
        canvas.fill([&](Point p) { return circle(p, c, r); }, hex(0xBDF3FF), 0.25);
        canvas.fill([&](Point p) { return outline(circle(p, c, r), ring); }, White, 0.95);
        canvas.fill([&](Point p) { return circle(p, {x - r * 0.35, y - r * 0.35}, r * 0.25); }, White);
    }
}

// The whole icon as it shows at `pixels` pixels, on either canvas.
template <typename Canvas> void paintIcon(Canvas& canvas, int pixels) {
    const double scale = static_cast<double>(pixels) / Units;
    const bool detailed = pixels >= 48;
    // Lines keep at least about one pixel at the small sizes.
    const double line = std::max(5.0, 1.1 / scale);
    paintWater(canvas, detailed);
    if (pixels > 16)
        paintBubbles(canvas, std::max(4.0, 1.0 / scale));
    paintFish(canvas, line);
    // Glass: a faint sheen along the tile's top and a crisp rim.
    canvas.fill([](Point p) { return intersect(tile(p) + 8, p.y - 70); }, White, 0.12, 12);
    canvas.fill([line](Point p) { return outline(tile(p), std::max(6.0, line)); }, hex(0x062A55), 1.0);
}

} // namespace

RgbaPicture makeProgramIcon(int pixels) {
    IconCanvas canvas(Units, Units, static_cast<double>(pixels) / Units);
    paintIcon(canvas, pixels);
    return canvas.toPicture();
}

std::string makeProgramIconSvg() {
    VectorCanvas canvas(Units, Units);
    paintIcon(canvas, Units);
    return canvas.toSvg();
}

} // namespace quillmere::uiart
