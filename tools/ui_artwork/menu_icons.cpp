#include "menu_icons.h"

#include "icon_style.h"

#include "ui/artwork/ui_artwork_ids.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace quillmere::uiart {
namespace {

constexpr Colour White{255, 255, 255};

// An orange fish swimming left, with a round green badge carrying plus over minus.
void paintAddDeleteFish(IconCanvas& canvas) {
    const auto body = [](Point p) { return ellipse(p, {9.5, 10.0}, 7.6, 5.2); };
    const auto tail = [](Point p) {
        return polygon(p, {{15.0, 10.0}, {21.6, 4.6}, {20.2, 10.0}, {21.6, 15.4}}) - 0.4;
    };
    const auto dorsal = [](Point p) { return polygon(p, {{6.5, 5.8}, {11.5, 2.8}, {13.6, 6.4}}) - 0.3; };
    const auto fish = [&](Point p) { return unite({body(p), tail(p), dorsal(p)}); };
    paintGlossy(canvas, fish, {hex(0xFFB347), hex(0xF0561D), hex(0x9C3209)}, 3.0, 15.5);
    // A white bar behind the gill, edged by the outline colour.
    const auto bar = [&](Point p) { return intersect(body(p) + 0.6, std::abs(p.x - 8.0) - 1.1); };
    canvas.fill(bar, White, 0.95);
    canvas.fill([&](Point p) { return outline(bar(p), 0.5); }, hex(0x9C3209), 0.7);
    canvas.fill([](Point p) { return circle(p, {4.6, 8.8}, 1.5); }, White);
    canvas.fill([](Point p) { return circle(p, {4.4, 8.8}, 0.85); }, hex(0x1A1A1A));

    const Point badge{17.6, 17.6};
    const auto disc = [&](Point p) { return circle(p, badge, 5.6); };
    canvas.fill([&](Point p) { return disc(p) - 1.0; }, White);
    paintGlossy(canvas, disc, {hex(0x6EE07F), hex(0x1F9A3A), hex(0x146628)}, 12.0, 23.2);
    const auto plusMinus = [&](Point p) {
        return unite({capsule(p, {badge.x - 2.6, badge.y - 1.5}, {badge.x + 2.6, badge.y - 1.5}, 0.75),
                      capsule(p, {badge.x, badge.y - 4.0}, {badge.x, badge.y + 1.0}, 0.75),
                      capsule(p, {badge.x - 2.6, badge.y + 2.7}, {badge.x + 2.6, badge.y + 2.7}, 0.75)});
    };
    canvas.fill(plusMinus, White);
}

// A blue gear with eight teeth.
void paintAquariumSettings(IconCanvas& canvas) {
    const Point centre{12.0, 12.0};
    const auto gear = [centre](Point p) {
        double d = circle(p, centre, 7.2);
        for (int tooth = 0; tooth < 8; ++tooth) {
            const Point q = rotated(p, centre, tooth * 45.0 + 22.5);
            d = unite(d, roundedBox(q, {centre.x, centre.y - 8.4}, 1.9, 2.2, 0.7));
        }
        return subtract(d, circle(p, centre, 3.0));
    };
    paintGlossy(canvas, gear, {hex(0x9DD0F0), hex(0x2D6FA8), hex(0x173E63)}, 1.5, 22.5);
    // A ring groove round the hub gives the gear its depth.
    canvas.fill([centre](Point p) { return outline(circle(p, centre, 5.0), 0.9); }, hex(0x173E63), 0.45);
}

// Two beamed eighth notes in violet.
void paintCustomMusic(IconCanvas& canvas) {
    const auto head = [](Point p, Point c) { return ellipse(rotated(p, c, 20.0), c, 3.3, 2.4); };
    const auto notes = [&](Point p) {
        return unite({head(p, {6.6, 18.6}), head(p, {16.6, 16.4}), capsule(p, {9.35, 17.6}, {9.35, 5.6}, 0.8),
                      capsule(p, {19.35, 15.4}, {19.35, 3.6}, 0.8),
                      polygon(p, {{8.55, 4.6}, {20.15, 2.2}, {20.15, 5.9}, {8.55, 8.3}})});
    };
    paintGlossy(canvas, notes, {hex(0xC39BFF), hex(0x6431D0), hex(0x35177E)}, 2.0, 21.5);
}

// A framed picture of a sunny sea with an island.
void paintCustomBackground(IconCanvas& canvas) {
    const auto frame = [](Point p) { return roundedBox(p, {12.0, 12.0}, 10.5, 8.5, 1.8); };
    const auto inner = [](Point p) { return roundedBox(p, {12.0, 12.0}, 8.3, 6.3, 0.6); };
    paintGlossy(canvas, frame, {hex(0xFFFFFF), hex(0xD9E4EE), hex(0x3A566F)}, 3.5, 20.5);
    canvas.fill(inner, verticalGradient(hex(0x8FD8FF), hex(0x2B86D6), 5.7, 18.3));
    const auto sun = [](Point p) { return circle(p, {15.8, 9.0}, 1.9); };
    canvas.fill(sun, hex(0xFFD23F));
    canvas.fill(
        [&](Point p) {
            return intersect(
                inner(p), polygon(p, {{3.0, 18.5}, {8.6, 10.4}, {12.6, 15.2}, {15.0, 12.8}, {21.0, 18.5}}));
        },
        verticalGradient(hex(0x67C96A), hex(0x247A3A), 10.4, 18.3));
    canvas.fill([&](Point p) { return intersect(inner(p), 16.6 - p.y); },
                verticalGradient(hex(0x1F9FD8), hex(0x145E9C), 16.6, 18.3));
    canvas.fill([&](Point p) { return outline(inner(p), 0.8); }, hex(0x3A566F), 0.8);
}

// A red button with the white power sign.
void paintExit(IconCanvas& canvas) {
    const Point centre{12.0, 12.0};
    const auto button = [centre](Point p) { return circle(p, centre, 9.8); };
    paintGlossy(canvas, button, {hex(0xFF8A7A), hex(0xCC2418), hex(0x7E120B)}, 2.2, 21.8);
    const auto sign = [centre](Point p) {
        const Point d = p - centre;
        // The ring is open over the top, where the stem stands.
        const double gap = std::atan2(std::abs(d.x), -d.y) < 0.62 ? 1.0 : -1.0;
        const double ring = outline(circle(p, centre, 5.0), 1.9);
        const double open = gap > 0.0 ? std::max(ring, 1.0) : ring;
        const Point endL{centre.x - 5.0 * std::sin(0.62), centre.y - 5.0 * std::cos(0.62)};
        const Point endR{centre.x + 5.0 * std::sin(0.62), centre.y - 5.0 * std::cos(0.62)};
        return unite({open, circle(p, endL, 0.95), circle(p, endR, 0.95),
                      capsule(p, {centre.x, centre.y - 7.0}, {centre.x, centre.y - 1.2}, 0.95)});
    };
    canvas.fill([&](Point p) { return sign(Point{p.x, p.y - 0.6}); }, hex(0x7E120B), 0.5, 0.6);
    canvas.fill(sign, White);
}

} // namespace

RgbaPicture makeMenuIcon(int id, int scale) {
    IconCanvas canvas(MenuIconSize.width, MenuIconSize.height, scale);
    switch (id) {
    case IconAddDeleteFish:
        paintAddDeleteFish(canvas);
        break;
    case IconAquariumSettings:
        paintAquariumSettings(canvas);
        break;
    case IconCustomMusic:
        paintCustomMusic(canvas);
        break;
    case IconCustomBackground:
        paintCustomBackground(canvas);
        break;
    case IconExit:
        paintExit(canvas);
        break;
    default:
        throw std::runtime_error("no menu icon " + std::to_string(id));
    }
    return canvas.toPicture();
}

RgbaPicture makeCheckIcon(bool checked, int scale) {
    IconCanvas canvas(CheckIconSize.width, CheckIconSize.height, scale);
    const auto box = [](Point p) { return roundedBox(p, {8.0, 8.0}, 6.4, 6.4, 2.4); };
    if (!checked) {
        canvas.shadow(box, 0.6, 0.8, 0.25);
        canvas.fill(box, verticalGradient(hex(0xE3EBF2), hex(0xFFFFFF), 1.6, 14.4));
        canvas.fill([&](Point p) { return outline(box(p), 1.0); }, hex(0x5F7A90));
        return canvas.toPicture();
    }
    paintGlossy(canvas, box, {hex(0x7BE38B), hex(0x1E9A3C), hex(0x156B2B)}, 1.6, 14.4);
    const auto tick = [](Point p) {
        return unite(capsule(p, {4.7, 8.3}, {7.0, 10.8}, 1.15), capsule(p, {7.0, 10.8}, {11.4, 5.0}, 1.15));
    };
    canvas.fill([&](Point p) { return tick(Point{p.x, p.y - 0.6}); }, hex(0x0E4F1E), 0.45, 0.5);
    canvas.fill(tick, White);
    return canvas.toPicture();
}

} // namespace quillmere::uiart
