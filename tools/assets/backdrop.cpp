#include "backdrop.h"

#include "canvas.h"
#include "shading.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace quillmere::assetgen {
namespace {

// Light falls from the upper left, toward the viewer.
struct Direction {
    double x, y, z;
};
constexpr Direction Light = {-0.42, 0.72, 0.55};

double lambert(double nx, double ny, double nz) {
    const double length = std::sqrt(nx * nx + ny * ny + nz * nz) + 1e-9;
    return std::max(0.0, (nx * Light.x + ny * Light.y + nz * Light.z) / length);
}

// The height of the sand's far edge at x; the floor lies below it.
double sandLine(double x) {
    return -20.5 + 1.2 * std::sin(x * 0.05 + 0.7) + 0.8 * std::sin(x * 0.13 + 2.0) +
           1.6 * (valueNoise(x * 0.08, 0.5, 11) - 0.5);
}

Colour waterAt(double x, double y) {
    const double h = (y - BackdropBottom) / (BackdropTop - BackdropBottom); // 0 at the bottom, 1 at the top
    const Colour deep{8, 34, 66};
    const Colour middle{20, 86, 130};
    const Colour surface{70, 168, 196};
    Colour c = mix(deep, middle, smoothstep(0.2, 0.62, h));
    c = mix(c, surface, smoothstep(0.58, 1.0, h));
    c = c * (0.9 + 0.14 * valueNoise(x * 0.03, y * 0.04, 3));
    // Shafts of light slanting down from the surface, fading with depth.
    const double p = x + 0.42 * (BackdropTop - y);
    const double shafts = smoothstep(0.55, 0.85, valueNoise(p * 0.06, 0.0, 17)) +
                          0.6 * smoothstep(0.6, 0.9, valueNoise(p * 0.14, 7.0, 19));
    const double fade = smoothstep(0.18, 1.0, h) * (0.65 + 0.35 * valueNoise(x * 0.05, y * 0.08, 23));
    c = c + Colour{64, 104, 100} * (0.38 * shafts * fade);
    // The rippling light of the surface just under it.
    const double n = valueNoise(x * 0.45 + 0.4 * valueNoise(x * 0.1, y * 0.3, 31) * 6, y * 1.1, 29);
    const double net = std::pow(1.0 - std::abs(2.0 * n - 1.0), 6.0);
    c = c + Colour{90, 120, 110} * (0.45 * net * smoothstep(0.88, 1.0, h));
    return c;
}

void paintWater(Canvas& canvas) {
    canvas.paint(BackdropLeft, BackdropBottom, BackdropRight, BackdropTop,
                 [](double x, double y, Colour& c, bool&) { c = waterAt(x, y); });
}

// A hazy ridge of far rocks, and a few far weeds, between the water and the floor.
void paintDistance(Canvas& canvas) {
    const auto ridge = [](double x) {
        return -16.0 + 7.0 * fbm(x * 0.03, 1.3, 41, 3) + 2.5 * valueNoise(x * 0.2, 2.0, 43);
    };
    canvas.fill(
        BackdropLeft, BackdropBottom, BackdropRight, 0.0,
        [&](double x, double y) { return insideBy(y - ridge(x), canvas.edge()); },
        [&](double x, double y) {
            const double shade = 0.8 + 0.35 * fbm(x * 0.12, y * 0.2, 47, 3);
            return mix(waterAt(x, y), Colour{44, 72, 96} * shade, 0.42);
        });
    constexpr std::array<double, 5> FarWeeds = {-48.0, -33.0, 27.0, 38.0, 60.0};
    for (std::size_t i = 0; i < FarWeeds.size(); ++i) {
        const double baseX = FarWeeds[i];
        const double height = 14.0 + 8.0 * hash01(static_cast<std::int32_t>(i), 3, 51);
        const double base = sandLine(baseX) + 1.0;
        canvas.fill(
            baseX - 4, base, baseX + 4, base + height,
            [&](double x, double y) {
                const double t = (y - base) / height;
                const double centre = baseX + 1.5 * std::sin(t * 4.0 + static_cast<double>(i)) * t;
                return insideBy(std::abs(x - centre) - 0.5 * (1.0 - 0.8 * t), canvas.edge()) * 0.5;
            },
            [&](double x, double y) {
                return mix(waterAt(x, y), Colour{40, 90, 60}, 0.5);
            });
    }
}

void paintSand(Canvas& canvas) {
    canvas.paint(BackdropLeft, BackdropBottom, BackdropRight, -15.0,
                 [&](double x, double y, Colour& c, bool&) {
                     const double line = sandLine(x);
                     const double a = insideBy(y - line, canvas.edge());
                     if (a <= 0.0)
                         return;
                     const double d =
                         clamp01((line - y) / (line - BackdropBottom)); // 0 at the far edge, 1 at the front
                     const Colour far{96, 106, 104};
                     const Colour near{214, 186, 140};
                     Colour sand = mix(far, near, smoothstep(0.0, 0.9, d));
                     // Ripples run across the floor, closer together toward the far edge.
                     const double phase = 16.0 * std::pow(d, 0.7) + 2.2 * fbm(x * 0.05, d * 3.0, 3, 3) +
                                          0.1 * std::sin(x * 0.07);
                     const double ripple = std::sin(2.0 * Pi * phase);
                     const double crest = std::sin(2.0 * Pi * phase + 1.1); // the slope that faces the light
                     const double strength =
                         (0.03 + 0.07 * d) * smoothstep(0.3, 0.7, fbm(x * 0.04, y * 0.1, 5, 2) + 0.2);
                     sand = sand * (1.0 + strength * (0.6 * ripple + 0.4 * crest));
                     const double grain = hash01(static_cast<std::int32_t>(std::floor(x / 0.17)),
                                                 static_cast<std::int32_t>(std::floor(y / 0.1)), 7);
                     sand = sand * (0.9 + 0.12 * fbm(x * 0.15, y * 0.3, 9, 3) + 0.06 * grain);
                     sand = mix(sand, waterAt(x, line), 0.5 * (1.0 - smoothstep(0.0, 0.25, d)));
                     c = mix(c, sand, a);
                 });
}

// A darker patch on the sand under something standing on it.
void paintShadow(Canvas& canvas, double cx, double cy, double rx, double ry, double depth) {
    canvas.paint(cx - rx, cy - ry, cx + rx, cy + ry, [&](double x, double y, Colour& c, bool&) {
        const double dx = (x - cx) / rx, dy = (y - cy) / ry;
        const double r2 = dx * dx + dy * dy;
        if (r2 < 1.0)
            c = c * (1.0 - depth * smoothstep(1.0, 0.2, r2));
    });
}

struct Rock {
    double x, y;   // centre
    double rx, ry; // radii
    std::uint32_t seed;
    Colour colour;
    Colour growth; // moss or coralline algae on the surfaces that face up
};

// An irregular boulder, flattened where it sits in the sand.
void paintRock(Canvas& canvas, const Rock& rock) {
    const double floorY = rock.y - 0.45 * rock.ry;
    paintShadow(canvas, rock.x + 0.15 * rock.rx, floorY + 0.3, rock.rx * 1.25, rock.ry * 0.3, 0.45);
    const auto bound = [&](double dx, double dy) {
        const double r = std::sqrt(dx * dx + dy * dy) + 1e-9;
        return 1.0 + 0.22 * (fbm(dx / r * 1.4 + 5.0, dy / r * 1.4 + 5.0, rock.seed, 3) - 0.5);
    };
    canvas.paint(rock.x - rock.rx * 1.2, floorY - 0.2, rock.x + rock.rx * 1.2, rock.y + rock.ry * 1.2,
                 [&](double x, double y, Colour& c, bool& open) {
                     const double dx = (x - rock.x) / rock.rx, dy = (y - rock.y) / rock.ry;
                     const double b = bound(dx, dy);
                     const double r = std::sqrt(dx * dx + dy * dy) / b;
                     const double a = insideBy((r - 1.0) * std::min(rock.rx, rock.ry), canvas.edge()) *
                                      insideBy(floorY - y, canvas.edge());
                     if (a <= 0.0)
                         return;
                     const double bumpX = fbm(x * 0.35, y * 0.35, rock.seed + 7, 3) - 0.5;
                     const double bumpY = fbm(x * 0.35 + 9.0, y * 0.35, rock.seed + 8, 3) - 0.5;
                     const double nx = dx / b + 0.7 * bumpX, ny = dy / b + 0.7 * bumpY;
                     const double nz = std::sqrt(std::max(0.0, 1.0 - std::min(r * r, 1.0))) + 0.15;
                     const double light = lambert(nx, ny, nz);
                     Colour stone = rock.colour * (0.8 + 0.4 * fbm(x * 0.5, y * 0.5, rock.seed + 3, 3));
                     const double growth = smoothstep(0.5, 0.68, fbm(x * 0.22, y * 0.22, rock.seed + 5, 3)) *
                                           smoothstep(0.0, 0.5, ny);
                     stone = mix(stone, rock.growth,
                                 growth * (0.45 + 0.4 * fbm(x * 1.5, y * 1.5, rock.seed + 9, 2)));
                     // The underside in the sand sits in its own shadow.
                     const double occlusion = 0.55 + 0.45 * smoothstep(floorY, floorY + 0.5 * rock.ry, y);
                     c = mix(c, stone * ((0.3 + 0.9 * light) * occlusion), a);
                     if (a > 0.5)
                         open = false;
                 });
}

// Two rock pinnacles rising past the top of the picture, with a crevice between them. The crevice,
// above the sand, is the backdrop's one opening: the bubble column rises behind it.
std::uint32_t pinnacleSeed(double side) {
    return side < 0 ? 61u : 161u;
}

// The right pinnacle leans a little away from the left one.
double pinnacleLean(double side, double y) {
    return side > 0 ? 0.035 * (y - BackdropBottom) : 0.0;
}

// Distance from the middle of the crevice to a pinnacle's inner face at height y; side -1 is the
// left pinnacle, 1 the right.
double pinnacleInner(double side, double y) {
    // The crevice opens wider toward the surface.
    return OpeningHalfWidth + 1.5 + 3.0 * (fbm(y * 0.07, side, pinnacleSeed(side), 3) - 0.5) +
           0.5 * std::sin(y * 0.23 + side) + 0.5 * valueNoise(y * 0.6, side, pinnacleSeed(side) + 2) +
           0.07 * std::max(0.0, y + 10.0) + pinnacleLean(side, y);
}

double pinnacleOuter(double side, double y) {
    // Broad at the foot, narrowing upward, with a bulge of rock part way up each.
    const double bulgeAt = side < 0 ? -2.0 : 12.0;
    const double bulge = 4.0 * std::exp(-((y - bulgeAt) / 5.0) * ((y - bulgeAt) / 5.0));
    return 30.0 - 9.0 * smoothstep(-22.0, 38.0, y) + bulge +
           7.0 * (fbm(y * 0.06, side + 3.0, pinnacleSeed(side) + 1, 4) - 0.5) + pinnacleLean(side, y);
}

void paintPinnacles(Canvas& canvas) {
    // The crevice first, above the sand in front; the pinnacles' edges are then painted over it.
    canvas.paint(OpeningLeft, OpeningBottom, OpeningRight, OpeningTop,
                 [&](double x, double y, Colour& c, bool& open) {
                     if (x <= -pinnacleInner(-1.0, y) || x >= pinnacleInner(1.0, y))
                         return;
                     const double edge = sandLine(x) + 0.1;
                     if (y > edge) {
                         open = true;
                         c = Colour{};
                     } else {
                         // The sand runs into the dark of the crevice without a bright rim.
                         c = c * (0.2 + 0.8 * smoothstep(0.0, 2.5, edge - y));
                     }
                 });
    const Colour stone{140, 122, 104};
    const Colour coralline{160, 98, 124};
    const Colour moss{84, 118, 66};
    const Colour sponge{200, 120, 40};
    for (const double side : {-1.0, 1.0}) {
        const std::uint32_t seed = pinnacleSeed(side);
        const double foot = sandLine(side * 20.0);
        paintShadow(canvas, side * 20.0, foot + 0.3, 14.0, 3.0, 0.4);
        canvas.paint(
            side < 0 ? -40.0 : 8.0, BackdropBottom, side < 0 ? -8.0 : 40.0, BackdropTop,
            [&](double x, double y, Colour& c, bool& open) {
                const double floorY = sandLine(x) - 0.8;
                if (y < floorY - 1.0)
                    return;
                const double away = side * x; // from the crevice's middle toward this side
                const double inner = pinnacleInner(side, y), outer = pinnacleOuter(side, y);
                const double a = insideBy(inner - away, canvas.edge()) *
                                 insideBy(away - outer, canvas.edge()) *
                                 insideBy(floorY - 1.0 - y, canvas.edge() * 2.0 + 1.0);
                if (a <= 0.0)
                    return;
                // Across the pinnacle from the crevice (0) to its outer face (1), rounded.
                const double across = clamp01((away - inner) / (outer - inner));
                const double bend = 2.0 * across - 1.0;
                const double bumpX = fbm(x * 0.3, y * 0.3, seed + 6, 3) - 0.5;
                const double bumpY = fbm(x * 0.3 + 4.0, y * 0.3, seed + 8, 3) - 0.5;
                // Ledges: bands that face up, then down, like weathered strata.
                const double ledges = 0.3 * std::sin(y * 0.55 + 6.0 * fbm(x * 0.06, y * 0.04, seed + 2, 3));
                const double grainX = fbm(x * 0.9, y * 0.9, seed + 22, 2) - 0.5;
                const double grainY = fbm(x * 0.9 + 7.0, y * 0.9, seed + 24, 2) - 0.5;
                const double nx = side * bend + 0.8 * bumpX + 0.35 * grainX,
                             ny = ledges + 0.8 * bumpY + 0.35 * grainY;
                const double nz = std::sqrt(std::max(0.0, 1.0 - bend * bend)) + 0.25;
                const double light = lambert(nx, ny, nz);
                Colour rock = stone * (0.78 + 0.4 * fbm(x * 0.45, y * 0.6, seed + 10, 4));
                rock = rock * (1.0 + 0.1 * ledges);
                const double upward = smoothstep(0.0, 0.6, ny);
                const double speckle = 0.55 + 0.45 * fbm(x * 1.5, y * 1.5, seed + 18, 2);
                rock = mix(rock, coralline,
                           smoothstep(0.58, 0.72, fbm(x * 0.2, y * 0.2, seed + 14, 3)) *
                               (0.3 + 0.4 * upward) * speckle);
                rock = mix(rock, moss,
                           smoothstep(0.52, 0.68, fbm(x * 0.25, y * 0.25, seed + 16, 3)) * upward * speckle);
                // Here and there a crust of orange sponge.
                rock = mix(rock, sponge, 0.75 * smoothstep(0.74, 0.77, fbm(x * 0.5, y * 0.5, seed + 20, 3)));
                // Broken cracks along the strata.
                const double seam = std::abs(std::sin(y * 0.9 + 4.0 * fbm(x * 0.08, y * 0.05, seed + 26, 2)));
                const double broken = smoothstep(0.55, 0.7, fbm(x * 0.2, y * 0.2, seed + 28, 2));
                rock = rock * (1.0 - 0.4 * smoothstep(0.12, 0.03, seam) * broken);
                // The faces of the crevice look into the dark; the light fades down the rock.
                const double depth =
                    (0.3 + 0.7 * smoothstep(0.0, 0.45, across)) * (0.75 + 0.25 * smoothstep(-20.0, 38.0, y));
                // Higher up, the water between the viewer and the rock lightens it.
                // The outer edge toward the light catches it.
                const double rim = 0.25 * smoothstep(0.8, 1.0, across) * (side < 0 ? 1.0 : 0.3);
                const Colour lit = mix(rock * ((0.3 + 0.85 * light + rim) * depth), waterAt(x, y),
                                       0.35 * smoothstep(-5.0, 38.0, y));
                // Toward the crevice the rock darkens to nearly black, so its cut edge does not show.
                const double edgeDark = 0.12 + 0.88 * smoothstep(0.0, 0.06, across);
                c = mix(c, lit * edgeDark, a);
                if (a > 0.5)
                    open = false;
            });
    }
}

struct Kelp {
    double x;      // root on the sand
    double height; // scene units
    double sway;   // sideways swing
    double width;
    double phase;
    Colour colour;
};

// A ribbon of weed rising from the floor, with leaflets along it.
void paintKelp(Canvas& canvas, const Kelp& kelp) {
    const double base = sandLine(kelp.x) - 1.0;
    const auto centre = [&](double t) {
        return kelp.x + kelp.sway * std::sin(t * Pi * 1.3 + kelp.phase) * t;
    };
    const double reach = std::abs(kelp.sway) + 3.0 * kelp.width;
    canvas.paint(kelp.x - reach, base, kelp.x + reach, base + kelp.height,
                 [&](double x, double y, Colour& c, bool& open) {
                     const double t = (y - base) / kelp.height;
                     const double leaflets =
                         1.0 + 0.9 * std::pow(std::max(0.0, std::sin(t * 38.0 + kelp.phase)), 3.0);
                     const double halfWidth = kelp.width * (1.0 - 0.75 * t) * leaflets;
                     const double across = (x - centre(t)) / halfWidth;
                     const double a = insideBy((std::abs(across) - 1.0) * halfWidth, canvas.edge());
                     if (a <= 0.0)
                         return;
                     const double rib = smoothstep(0.25, 0.0, std::abs(across));
                     const double light = 0.55 + 0.35 * (1.0 - across * across) + 0.25 * t - 0.15 * across;
                     const Colour tip = kelp.colour * 1.35 + Colour{20, 20, 0};
                     const Colour leaf = mix(kelp.colour, tip, smoothstep(0.2, 1.0, t));
                     c = mix(c, leaf * (light - 0.12 * rib), a);
                     if (a > 0.5)
                         open = false;
                 });
}

// A clump of narrow grass blades.
void paintSeagrass(Canvas& canvas, double rootX, int blades, double height, std::uint32_t seed,
                   Colour colour) {
    const double base = sandLine(rootX) - 0.6;
    for (int i = 0; i < blades; ++i) {
        const double h = height * (0.55 + 0.45 * hash01(i, 1, seed));
        const double lean = (hash01(i, 2, seed) - 0.5) * 0.8 * h;
        const double x0 = rootX + (hash01(i, 3, seed) - 0.5) * 3.0;
        const double width = 0.22 + 0.12 * hash01(i, 4, seed);
        const Colour shade = colour * (0.75 + 0.5 * hash01(i, 5, seed));
        canvas.fill(
            std::min(x0, x0 + lean) - 1.0, base, std::max(x0, x0 + lean) + 1.0, base + h,
            [&](double x, double y) {
                const double t = (y - base) / h;
                const double cx = x0 + lean * t * t;
                return insideBy(std::abs(x - cx) - width * (1.0 - 0.85 * t), canvas.edge() * 0.7);
            },
            [&](double, double y) { return shade * (0.75 + 0.45 * (y - base) / h); });
    }
}

struct Segment {
    double x0, y0, x1, y1;
    double r0, r1;
    int depth;
};

// Branches of a coral tree, grown deterministically from the seed.
void growBranches(std::vector<Segment>& out, double x, double y, double angle, double length, double radius,
                  int depth, std::uint32_t seed, std::int32_t id) {
    const double x1 = x + length * std::cos(angle), y1 = y + length * std::sin(angle);
    out.push_back({x, y, x1, y1, radius, radius * 0.8, depth});
    if (depth == 0)
        return;
    const double spread = 0.32 + 0.3 * hash01(id, depth, seed);
    const double shrink = 0.68 + 0.14 * hash01(id, depth + 7, seed);
    // Branches lean back toward the vertical, as corals grow toward the light.
    const double upward = Pi / 2.0;
    const double left = angle + spread + 0.2 * (upward - angle);
    const double right = angle - spread + 0.2 * (upward - angle);
    growBranches(out, x1, y1, left, length * shrink, radius * 0.78, depth - 1, seed, id * 2 + 1);
    growBranches(out, x1, y1, right, length * shrink * 0.95, radius * 0.74, depth - 1, seed, id * 2 + 2);
}

// A branching coral: round branches, lighter toward their tips.
void paintBranchingCoral(Canvas& canvas, double x, double y, double size, int depth, std::uint32_t seed,
                         Colour base, Colour tips) {
    std::vector<Segment> segments;
    growBranches(segments, x - 0.3 * size, y, Pi / 2 + 0.45, size, size * 0.16, depth, seed, 1);
    growBranches(segments, x + 0.3 * size, y, Pi / 2 - 0.4, size * 0.9, size * 0.15, depth, seed + 1, 1);
    growBranches(segments, x, y, Pi / 2, size * 1.05, size * 0.17, depth, seed + 2, 1);
    for (const Segment& s : segments) {
        const double rMax = std::max(s.r0, s.r1) + canvas.edge();
        const double dx = s.x1 - s.x0, dy = s.y1 - s.y0;
        const double lengthSq = dx * dx + dy * dy + 1e-12;
        const double tipness = 1.0 - static_cast<double>(s.depth) / depth;
        canvas.paint(std::min(s.x0, s.x1) - rMax, std::min(s.y0, s.y1) - rMax, std::max(s.x0, s.x1) + rMax,
                     std::max(s.y0, s.y1) + rMax, [&](double px, double py, Colour& c, bool& open) {
                         const double t = clamp01(((px - s.x0) * dx + (py - s.y0) * dy) / lengthSq);
                         const double qx = s.x0 + dx * t - px, qy = s.y0 + dy * t - py;
                         const double distance = std::sqrt(qx * qx + qy * qy);
                         const double radius = s.r0 + (s.r1 - s.r0) * t;
                         const double a = insideBy(distance - radius, canvas.edge() * 0.8);
                         if (a <= 0.0)
                             return;
                         // Which side of the branch the texel is on decides how it is lit.
                         const double side = (qx * dy - qy * dx) / (std::sqrt(lengthSq) * radius + 1e-9);
                         const double nz = std::sqrt(std::max(0.0, 1.0 - side * side));
                         const double light = lambert(side * dy / std::sqrt(lengthSq) * -1.0,
                                                      side * -dx / std::sqrt(lengthSq) * -1.0, nz + 0.3);
                         const Colour colour = mix(base, tips, clamp01(tipness + 0.4 * t / depth));
                         c = mix(c, colour * (0.45 + 0.75 * light), a);
                         if (a > 0.5)
                             open = false;
                     });
    }
}

// A dome of brain coral with meandering grooves.
void paintBrainCoral(Canvas& canvas, double cx, double cy, double rx, double ry, Colour ridge,
                     Colour groove) {
    paintShadow(canvas, cx + 0.5, cy + 0.2, rx * 1.25, ry * 0.35, 0.45);
    canvas.paint(cx - rx, cy - 0.5, cx + rx, cy + ry, [&](double x, double y, Colour& c, bool& open) {
        const double dx = (x - cx) / rx, dy = (y - cy) / ry;
        const double r = std::sqrt(dx * dx + dy * dy);
        const double a = insideBy((r - 1.0) * rx, canvas.edge()) * insideBy(cy - 0.3 - y, canvas.edge());
        if (a <= 0.0)
            return;
        const double v = fbm(x * 0.22, y * 0.32, 81, 3);
        const double lines = std::abs(std::fmod(v * 14.0, 1.0) - 0.5);
        const Colour surface = mix(groove, ridge, smoothstep(0.08, 0.22, lines));
        const double nz = std::sqrt(std::max(0.0, 1.0 - r * r));
        const double light = lambert(dx, dy, nz + 0.1);
        c = mix(c, surface * (0.35 + 0.8 * light), a);
        if (a > 0.5)
            open = false;
    });
}

// A fan of netted branches standing up from the floor.
void paintSeaFan(Canvas& canvas, double bx, double by, double radius, double tilt, std::uint32_t seed,
                 Colour colour) {
    const double from = Pi * 0.2 + tilt, to = Pi * 0.8 + tilt;
    canvas.paint(bx - radius * 1.1, by, bx + radius * 1.1, by + radius * 1.1,
                 [&](double x, double y, Colour& c, bool& open) {
                     const double dx = x - bx, dy = y - by;
                     const double r = std::sqrt(dx * dx + dy * dy);
                     const double angle = std::atan2(dy, dx);
                     const double f = (angle - from) / (to - from);
                     if (r < 1e-6 || f < -0.05 || f > 1.05)
                         return;
                     const double outline = radius * (0.85 + 0.25 * valueNoise(f * 5.0, 0.5, seed)) *
                                            (0.75 + 0.25 * std::sin(Pi * clamp01(f)));
                     if (r > outline + canvas.edge())
                         return;
                     // Radiating branches, forking with distance, and the finer net across them.
                     const double spokes =
                         (f + 0.04 * valueNoise(r * 0.4, f * 3.0, seed + 1)) * (6.0 + r * 1.4);
                     const double spokeDistance =
                         std::abs(std::fmod(spokes, 1.0) - 0.5) * r * (to - from) / (6.0 + r * 1.4);
                     const double arcs = r * 1.6 + 0.8 * valueNoise(f * 8.0, r * 0.3, seed + 2);
                     const double arcDistance = std::abs(std::fmod(arcs, 1.0) - 0.5) / 1.6;
                     const double stem = std::abs(f - 0.5) * r * (to - from) - 0.35 * (1.0 - r / radius);
                     const double thickness = 0.14 + 0.12 * (1.0 - r / radius);
                     const double net = std::max({insideBy(spokeDistance - thickness, canvas.edge() * 0.6),
                                                  0.8 * insideBy(arcDistance - 0.07, canvas.edge() * 0.6),
                                                  insideBy(stem, canvas.edge())});
                     const double a = net * insideBy(r - outline, canvas.edge());
                     if (a <= 0.0)
                         return;
                     const Colour edge = colour * 1.3 + Colour{30, 10, 20};
                     c = mix(c, mix(colour, edge, r / radius) * (0.8 + 0.3 * (dy / radius)), a);
                     if (a > 0.5)
                         open = false;
                 });
}

// A group of tube sponges, open at their tops.
void paintTubeSponges(Canvas& canvas, double rootX, int tubes, double height, std::uint32_t seed,
                      Colour colour) {
    const double base = sandLine(rootX) - 0.6;
    paintShadow(canvas, rootX, base + 0.3, tubes * 1.6, 1.4, 0.4);
    for (int i = 0; i < tubes; ++i) {
        const double x0 =
            rootX + (static_cast<double>(i) - (tubes - 1) / 2.0) * 2.2 + hash01(i, 1, seed) - 0.5;
        const double h = height * (0.55 + 0.45 * hash01(i, 2, seed));
        const double r = 0.8 + 0.45 * hash01(i, 3, seed);
        const double lean = (hash01(i, 4, seed) - 0.5) * 2.5;
        const Colour tone = colour * (0.85 + 0.3 * hash01(i, 5, seed));
        canvas.paint(
            x0 - r - 2.0, base, x0 + r + 2.0, base + h + r, [&](double x, double y, Colour& c, bool& open) {
                const double t = clamp01((y - base) / h);
                const double cx = x0 + lean * t * t;
                const double flare = r * (0.85 + 0.25 * t);
                const double across = (x - cx) / flare;
                const double top = base + h;
                const double lip = (y - top) / (0.35 * flare);
                const double a =
                    insideBy((std::abs(across) - 1.0) * flare, canvas.edge()) *
                    insideBy(y > top ? (across * across + lip * lip - 1.0) * flare : -1.0, canvas.edge());
                if (a <= 0.0)
                    return;
                const double opening =
                    across * across + ((y - top) / (0.25 * flare)) * ((y - top) / (0.25 * flare));
                const double light =
                    lambert(across, 0.1, std::sqrt(std::max(0.0, 1.0 - across * across)) + 0.1);
                const double ribs = 0.92 + 0.08 * std::sin(y * 6.0);
                Colour surface = tone * ((0.4 + 0.8 * light) * ribs);
                if (opening < 0.75)
                    surface = Colour{34, 16, 14} * (1.0 + across);
                c = mix(c, surface, a);
                if (a > 0.5)
                    open = false;
            });
    }
}

// A five-armed star lying on the sand, foreshortened.
void paintStarfish(Canvas& canvas, double cx, double cy, double radius, double turn, Colour colour) {
    paintShadow(canvas, cx + 0.3, cy - 0.2, radius * 1.05, radius * 0.5, 0.3);
    canvas.paint(cx - radius, cy - radius * 0.5, cx + radius, cy + radius * 0.5,
                 [&](double x, double y, Colour& c, bool& open) {
                     const double dx = (x - cx) / radius, dy = (y - cy) / (radius * 0.48);
                     const double r = std::sqrt(dx * dx + dy * dy);
                     const double angle = std::atan2(dy, dx) + turn;
                     const double arm = std::pow(std::abs(std::cos(2.5 * angle)), 2.5);
                     const double reach = 0.3 + 0.7 * arm;
                     const double a = insideBy((r - reach) * radius, canvas.edge());
                     if (a <= 0.0)
                         return;
                     const double dots = hash01(static_cast<std::int32_t>(std::floor(x / 0.35)),
                                                static_cast<std::int32_t>(std::floor(y / 0.25)), 91) > 0.8
                                             ? 1.25
                                             : 1.0;
                     const double ridge = 1.0 - r / std::max(reach, 1e-3);
                     c = mix(c, colour * ((0.6 + 0.5 * ridge) * dots), a);
                     if (a > 0.5)
                         open = false;
                 });
}

// Specks drifting in the water, catching the light.
void paintMarineSnow(Canvas& canvas) {
    for (int i = 0; i < 260; ++i) {
        const double x = BackdropLeft + (BackdropRight - BackdropLeft) * hash01(i, 1, 95);
        const double y = -18.0 + 56.0 * hash01(i, 2, 95);
        const double r = 0.1 + 0.16 * hash01(i, 3, 95);
        const double strength = 0.25 + 0.35 * hash01(i, 4, 95);
        canvas.paint(x - r - 0.2, y - r - 0.2, x + r + 0.2, y + r + 0.2,
                     [&](double px, double py, Colour& c, bool& open) {
                         if (open)
                             return;
                         const double d = std::sqrt((px - x) * (px - x) + (py - y) * (py - y));
                         c = mix(c, Colour{200, 230, 225}, strength * smoothstep(r + 0.15, r * 0.3, d));
                     });
    }
}

// Small stones strewn over the floor, larger toward the front.
void paintPebbles(Canvas& canvas) {
    for (int i = 0; i < 70; ++i) {
        const double x = BackdropLeft + (BackdropRight - BackdropLeft) * hash01(i, 1, 97);
        const double line = sandLine(x);
        const double d = hash01(i, 2, 97);
        const double y = line - 1.5 - d * (line - BackdropBottom - 1.0);
        if (std::abs(x) < 14.0 && y > line - 3.0)
            continue; // not in the arch's foot
        const double size = 0.25 + 0.9 * d * (0.5 + hash01(i, 3, 97));
        const double grey = 1.0 + 0.5 * hash01(i, 4, 97);
        const Colour tone = mix(Colour{120, 112, 100}, Colour{150, 120, 96}, hash01(i, 5, 97)) * grey;
        paintRock(canvas,
                  {x, y + size * 0.4, size * 1.3, size, static_cast<std::uint32_t>(200 + i), tone, tone});
    }
}

} // namespace

Picture makeBackdrop() {
    Canvas canvas(BackdropWidth, BackdropHeight, BackdropLeft, BackdropRight, BackdropBottom, BackdropTop);
    paintWater(canvas);
    paintDistance(canvas);
    paintSand(canvas);

    // Tall weed behind the rocks at both sides.
    const Colour kelpGreen{92, 112, 40};
    const Colour kelpBrown{120, 100, 36};
    for (const Kelp& kelp : std::array<Kelp, 7>{{{-82.0, 58.0, 4.0, 1.3, 0.3, kelpBrown},
                                                 {-71.0, 66.0, -5.0, 1.5, 1.9, kelpGreen},
                                                 {-58.0, 48.0, 3.5, 1.2, 3.4, kelpBrown},
                                                 {-46.0, 36.0, -3.0, 1.0, 0.8, kelpGreen},
                                                 {55.0, 44.0, 3.0, 1.1, 2.6, kelpGreen},
                                                 {70.0, 62.0, -4.5, 1.4, 4.2, kelpBrown},
                                                 {83.0, 54.0, 3.0, 1.3, 5.0, kelpGreen}}})
        paintKelp(canvas, kelp);

    // Boulders to the left and right of the arch.
    const Colour slate{96, 104, 112};
    const Colour ochre{140, 116, 88};
    const Colour basalt{88, 84, 86};
    const Colour coralline{156, 96, 122};
    const Colour moss{80, 116, 62};
    for (const Rock& rock : std::array<Rock, 9>{{{-72.0, -16.0, 13.0, 10.0, 101, slate, moss},
                                                 {-56.0, -19.0, 10.0, 7.0, 103, ochre, coralline},
                                                 {-84.0, -21.0, 9.0, 8.0, 105, basalt, moss},
                                                 {-38.0, -24.0, 5.0, 3.5, 107, slate, coralline},
                                                 {42.0, -20.0, 9.0, 6.5, 109, basalt, coralline},
                                                 {62.0, -15.0, 14.0, 11.0, 111, ochre, moss},
                                                 {80.0, -20.0, 10.0, 9.0, 113, slate, coralline},
                                                 {30.0, -26.0, 4.0, 3.0, 115, ochre, moss},
                                                 {-24.0, -27.0, 3.0, 2.2, 117, basalt, coralline}}})
        paintRock(canvas, rock);

    paintPinnacles(canvas);

    // Corals, sponges and grass on and around the rocks.
    paintBranchingCoral(canvas, -64.0, -9.0, 4.5, 4, 121, Colour{200, 96, 64}, Colour{250, 186, 140});
    paintBranchingCoral(canvas, 60.0, -6.0, 4.0, 4, 123, Colour{104, 70, 160}, Colour{180, 150, 230});
    paintBranchingCoral(canvas, -24.0, 3.0, 2.6, 3, 125, Colour{210, 120, 150}, Colour{250, 200, 210});
    paintBranchingCoral(canvas, 24.0, -22.0, 3.2, 4, 127, Colour{60, 150, 150}, Colour{170, 230, 210});
    paintSeaFan(canvas, 46.0, -15.0, 15.0, 0.05, 131, Colour{140, 46, 110});
    paintSeaFan(canvas, 25.0, 4.0, 6.0, -0.45, 133, Colour{186, 70, 60});
    paintSeaFan(canvas, -79.0, -14.0, 9.0, -0.15, 135, Colour{196, 150, 60});
    paintBrainCoral(canvas, -36.0, -21.5, 6.5, 5.0, Colour{196, 172, 96}, Colour{96, 104, 52});
    paintBrainCoral(canvas, 76.0, -24.5, 5.0, 3.8, Colour{120, 170, 110}, Colour{56, 84, 56});
    paintTubeSponges(canvas, -27.0, 3, 7.5, 141, Colour{226, 170, 44});
    paintTubeSponges(canvas, 33.0, 4, 9.0, 143, Colour{150, 78, 170});
    paintTubeSponges(canvas, -88.0, 2, 6.0, 145, Colour{230, 110, 50});
    paintSeagrass(canvas, -44.0, 14, 9.0, 151, Colour{70, 140, 64});
    paintSeagrass(canvas, -19.0, 10, 6.0, 153, Colour{96, 150, 60});
    paintSeagrass(canvas, 18.0, 12, 7.0, 155, Colour{64, 132, 72});
    paintSeagrass(canvas, 52.0, 14, 8.0, 157, Colour{86, 146, 58});
    paintSeagrass(canvas, 88.0, 10, 9.0, 159, Colour{70, 136, 66});
    paintPebbles(canvas);
    paintStarfish(canvas, -12.0, -31.0, 3.2, 0.3, Colour{224, 96, 52});
    paintStarfish(canvas, 40.0, -34.0, 2.6, 1.1, Colour{200, 70, 110});
    paintMarineSnow(canvas);

    // A gentle darkening toward the corners keeps the eye on the middle of the tank.
    canvas.paint(BackdropLeft, BackdropBottom, BackdropRight, BackdropTop,
                 [](double x, double y, Colour& c, bool&) {
                     const double u = x / 90.0, v = y / 38.0;
                     c = c * (1.0 - 0.22 * smoothstep(0.3, 1.4, u * u + 0.6 * v * v));
                 });
    return canvas.toPicture();
}

} // namespace quillmere::assetgen
