#include "fish_skins.h"

#include "shading.h"

#include "assets/asset_catalogue.h"
#include "fish/fish_kind.h"

#include <cmath>

namespace quillmere::assetgen {
namespace {

// The fish model reads the skin at s = 0.13 + 1.1 (x + 0.5) along the body (snout 0.13, last ring
// about 0.77, the tail fin beyond, up to 0.99) and at t = 1.18 + theta / (2 pi) around it (back
// 0.18, belly 0.68, the same on both sides). Fins on the midline read t = 1.43 - 1.2 z at their
// height z, so the dorsal fin lies just above the back rows (t from 0.9 up to 0.18, through the
// wrap) and the anal and pelvic fins just below the belly rows.
constexpr double SnoutS = 0.13;
constexpr double TailRootS = 0.765;
constexpr double TailTipS = 0.99;
constexpr double BackT = 1.18;
constexpr double BellyT = 1.68;
constexpr double DorsalTipT = 0.96;
constexpr double VentralTipT = 1.84;

// Where the eye sits. The head in front of the gill cover is a short cone that faces forward, so
// the eye is painted where the cover shows it: the cover stands over the body from s 0.25 to 0.33
// and shows the skin 0.1 further round in t than the body beneath it, which the cover hides there.
constexpr double EyeS = 0.272;
constexpr double EyeT = 1.33 + 0.1;
constexpr double EyeRadiusS = 0.02;
constexpr double EyeRadiusT = 0.046;
// The rear edge of the gill cover, seen as a faint darker arc on the body behind it.
constexpr double GillS = 0.315;

// A point of the body: u from the snout (0) to the tail root (1), d from the back (0) to the
// belly (1), with the side's middle at 0.5.
struct BodyPoint {
    double u, d;
};

// A point of a fin: how far out from its root (0) to its edge (1), where along the fin (for the
// tail, v from its top (1) to its bottom (-1)).
struct FinPoint {
    double out, along;
};

double band(double value, double centre, double halfWidth, double soft = 0.012) {
    return smoothstep(halfWidth + soft, halfWidth - soft, std::abs(value - centre));
}

// Counter-shading: darker along the back, lighter toward the belly.
Colour counterShade(Colour back, Colour flank, Colour belly, double d) {
    return d < 0.5 ? mix(back, flank, smoothstep(0.0, 0.5, d)) : mix(flank, belly, smoothstep(0.5, 1.0, d));
}

// Round spots on a jittered grid, 1 inside a spot. x and y are in model units (the body's u spans
// about 0.58 of them and d about 0.42), so the spots come out round on the fish.
double dots(double x, double y, double cell, double radius, double density, std::uint32_t seed) {
    const int cx = static_cast<int>(std::floor(x / cell)), cy = static_cast<int>(std::floor(y / cell));
    double nearest = 1.0;
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            const int gx = cx + i, gy = cy + j;
            if (hash01(gx, gy, seed + 4) > density)
                continue;
            const double px = (gx + 0.2 + 0.6 * hash01(gx, gy, seed)) * cell;
            const double py = (gy + 0.2 + 0.6 * hash01(gx, gy, seed + 1)) * cell;
            const double r = radius * (0.6 + 0.6 * hash01(gx, gy, seed + 3));
            nearest = std::min(nearest, std::hypot(x - px, y - py) - r);
        }
    return smoothstep(0.004, -0.004, nearest);
}

double bodyDots(BodyPoint p, double cell, double radius, double density, std::uint32_t seed) {
    return dots(p.u * 0.58, p.d * 0.42, cell, radius, density, seed);
}

Colour body(FishKind kind, BodyPoint p) {
    const double u = p.u, d = p.d;
    switch (kind) {
    case FishKind::Neon: { // a glowing blue line over a red rear belly
        Colour c = counterShade({70, 70, 52}, {150, 150, 140}, {225, 228, 230}, d);
        c = mix(c, Colour{40, 200, 255},
                band(d, 0.33, 0.075) * smoothstep(0.05, 0.15, u) * smoothstep(1.0, 0.9, u));
        c = mix(c, Colour{225, 30, 40},
                band(d, 0.62, 0.16) * smoothstep(0.38, 0.5, u) * smoothstep(1.05, 0.95, u));
        return c;
    }
    case FishKind::Clownfish: { // orange with three white bars edged in black
        Colour c = counterShade({210, 80, 10}, {250, 120, 20}, {250, 150, 60}, d);
        for (const double centre : {0.3, 0.6, 0.9}) {
            const double width = centre == 0.6 ? 0.065 : 0.045;
            const double bend = centre == 0.6 ? 0.04 * std::sin(d * Pi) : 0.0;
            c = mix(c, Colour{25, 20, 20}, band(u - bend, centre, width + 0.018, 0.006));
            c = mix(c, Colour{250, 250, 245}, band(u - bend, centre, width, 0.006));
        }
        return c;
    }
    case FishKind::Angelfish: { // silver with bold black bars
        Colour c = counterShade({120, 124, 120}, {210, 212, 205}, {240, 240, 232}, d);
        c = mix(c, Colour{30, 30, 34},
                band(u, 0.22, 0.035) + band(u + 0.06 * d, 0.5, 0.05) + band(u, 0.82, 0.035));
        return c;
    }
    case FishKind::Goldfish: { // red-orange back over golden sides and a pale belly
        Colour c = counterShade({200, 50, 16}, {245, 140, 30}, {250, 225, 170}, d);
        return mix(c, Colour{255, 200, 80}, 0.3 * valueNoise(u * 9, d * 5, 301));
    }
    case FishKind::Danio: { // long dark blue and pale gold stripes
        Colour c = counterShade({110, 110, 80}, {228, 216, 160}, {240, 235, 215}, d);
        for (const double centre : {0.3, 0.45, 0.6})
            c = mix(c, Colour{40, 56, 150}, band(d, centre, 0.035) * smoothstep(0.12, 0.22, u));
        return c;
    }
    case FishKind::TigerBarb: { // gold with four black bands
        Colour c = counterShade({170, 140, 60}, {240, 200, 90}, {250, 232, 180}, d);
        for (const double centre : {0.22, 0.45, 0.68, 0.93})
            c = mix(c, Colour{22, 22, 18}, band(u + 0.03 * d, centre, 0.05) * smoothstep(1.0, 0.75, d));
        return c;
    }
    case FishKind::Leopard: { // tan with round brown spots
        Colour c = counterShade({150, 120, 70}, {214, 184, 124}, {240, 226, 190}, d);
        return mix(c, Colour{70, 40, 20},
                   0.9 * bodyDots(p, 0.1, 0.028, 0.85, 601) * smoothstep(1.0, 0.75, d) *
                       smoothstep(0.26, 0.34, u));
    }
    case FishKind::Fighter: { // deep violet-blue with a turquoise sheen over the flank
        Colour c = counterShade({40, 24, 90}, {70, 50, 170}, {120, 80, 170}, d);
        const double sheen = band(d, 0.38, 0.22, 0.15) * (0.75 + 0.25 * std::sin(u * 2 * Pi * 9.0));
        return mix(c, Colour{60, 190, 220}, 0.55 * sheen * smoothstep(0.1, 0.3, u));
    }
    case FishKind::Tang: { // royal blue with a black palette mark
        Colour c = counterShade({24, 50, 150}, {40, 90, 220}, {90, 150, 230}, d);
        // A dark loop from behind the eye to the tail root, open over the flank.
        const double top = 0.16 + 0.1 * std::sin(u * Pi);
        const double bottom = 0.42 + 0.08 * std::sin(u * Pi * 1.2);
        const double inLoop = smoothstep(0.1, 0.18, u) * smoothstep(1.0, 0.9, u);
        const double outer = band(d, (top + bottom) / 2, (bottom - top) / 2 + 0.03) * inLoop;
        const double inner = band(d, (top + bottom) / 2, (bottom - top) / 2 - 0.05) *
                             smoothstep(0.3, 0.4, u) * smoothstep(0.85, 0.7, u);
        c = mix(c, Colour{18, 20, 40}, outer * (1.0 - inner));
        return mix(c, Colour{250, 210, 50}, smoothstep(0.93, 1.0, u));
    }
    case FishKind::Discus: { // warm red-brown with wavy turquoise lines
        Colour c = counterShade({130, 50, 30}, {190, 80, 40}, {220, 140, 90}, d);
        const double waves =
            std::sin((d * 11.0 + 0.8 * std::sin(u * 14.0) + 0.6 * valueNoise(u * 6, d * 4, 901)) * Pi);
        c = mix(c, Colour{60, 200, 200}, 0.8 * smoothstep(0.55, 0.85, waves));
        return mix(c, Colour{50, 24, 20}, band(u, 0.22, 0.03));
    }
    case FishKind::Butterflyfish: { // lemon yellow, a black eye band and a false eye near the tail
        Colour c = counterShade({220, 170, 20}, {252, 222, 40}, {252, 245, 200}, d);
        c = mix(c, Colour{20, 20, 24}, band(u, 0.22, 0.04));
        const double du = (u - 0.85) / 0.07, dd = (d - 0.3) / 0.14;
        const double r = std::sqrt(du * du + dd * dd);
        c = mix(c, Colour{250, 250, 240}, smoothstep(1.15, 1.0, r));
        return mix(c, Colour{20, 20, 30}, smoothstep(0.8, 0.68, r));
    }
    case FishKind::Rainbowfish: { // blue at the head turning to orange at the tail, fine lines along it
        const Colour front = counterShade({50, 60, 130}, {90, 120, 220}, {200, 210, 235}, d);
        const Colour rear = counterShade({170, 90, 30}, {245, 160, 50}, {250, 220, 170}, d);
        Colour c = mix(front, rear, smoothstep(0.25, 0.8, u));
        return c * (0.93 + 0.07 * std::sin(d * 2 * Pi * 7));
    }
    case FishKind::Guppy: { // olive-silver, a few bright spots toward the tail
        Colour c = counterShade({110, 110, 80}, {176, 176, 150}, {230, 228, 215}, d);
        c = mix(c, Colour{250, 120, 30}, bodyDots(p, 0.1, 0.032, 0.6, 1201) * smoothstep(0.45, 0.65, u));
        return mix(c, Colour{20, 24, 40}, bodyDots(p, 0.09, 0.02, 0.5, 1203) * smoothstep(0.5, 0.7, u));
    }
    case FishKind::Koi: { // white with big red patches over the back and a few black ones
        Colour c = counterShade({220, 214, 206}, {244, 240, 232}, {250, 248, 242}, d);
        const double red = smoothstep(0.5, 0.54, fbm(u * 3.0, d * 1.6, 1301, 3) + 0.3 * (0.5 - d));
        c = mix(c, Colour{220, 50, 20}, red);
        return mix(c, Colour{26, 24, 26}, bodyDots(p, 0.12, 0.032, 0.35, 1303) * smoothstep(0.8, 0.4, d));
    }
    default: { // the rummy-nose: silver with a bright red head
        Colour c = counterShade({130, 140, 120}, {210, 214, 205}, {238, 238, 232}, d);
        return mix(c, Colour{235, 30, 40}, smoothstep(0.34, 0.24, u) * smoothstep(1.0, 0.7, d));
    }
    }
}

// Every fin but the tail. Fins are paler than the body, with rays.
Colour fin(FishKind kind, FinPoint p, Colour base, bool dorsal) {
    const double rays = 0.88 + 0.12 * std::sin(p.along * 2 * Pi * 30.0);
    Colour c = mix(base, Colour{200, 210, 210}, 0.35) * rays;
    switch (kind) {
    case FishKind::Neon:
        return mix(c, Colour{240, 240, 240}, smoothstep(0.6, 1.0, p.out) * 0.5);
    case FishKind::Clownfish:
        return mix(Colour{245, 120, 20} * rays, Colour{20, 20, 20}, smoothstep(0.7, 0.82, p.out));
    case FishKind::Angelfish:
        return mix(Colour{220, 220, 215} * rays, Colour{30, 30, 34}, band(p.out, 0.55, 0.12));
    case FishKind::Goldfish:
        return mix(Colour{250, 130, 30} * rays, Colour{255, 240, 220}, smoothstep(0.55, 1.0, p.out));
    case FishKind::Danio:
        return mix(c, Colour{40, 56, 150}, band(p.out, 0.5, 0.1));
    case FishKind::TigerBarb:
        return mix(Colour{30, 30, 26}, Colour{235, 40, 30},
                   smoothstep(0.4, 0.6, p.out) * (dorsal ? 1.0 : 0.7));
    case FishKind::Leopard:
        return mix(c, Colour{70, 40, 20}, 0.85 * dots(p.along * 0.7, p.out * 0.15, 0.06, 0.018, 0.85, 603));
    case FishKind::Fighter:
        return mix(Colour{200, 30, 70} * rays, Colour{70, 60, 220}, smoothstep(0.6, 1.0, p.out));
    case FishKind::Tang:
        return mix(Colour{30, 60, 180} * rays, Colour{20, 20, 30}, smoothstep(0.75, 0.9, p.out));
    case FishKind::Discus:
        return mix(Colour{170, 70, 40} * rays, Colour{60, 200, 200},
                   0.7 * smoothstep(0.5, 0.9, std::sin((p.out * 5.0 + p.along * 3.0) * Pi)));
    case FishKind::Butterflyfish:
        return mix(Colour{250, 210, 40} * rays, Colour{20, 20, 30}, band(p.out, 0.85, 0.06));
    case FishKind::Rainbowfish:
        return mix(Colour{120, 150, 230} * rays, Colour{230, 40, 40}, smoothstep(0.65, 0.85, p.out));
    case FishKind::Guppy:
        return mix(Colour{160, 170, 150} * rays, Colour{90, 120, 220}, smoothstep(0.5, 1.0, p.out));
    case FishKind::Koi:
        return mix(Colour{245, 240, 232} * rays, Colour{240, 130, 80}, 0.4 * smoothstep(0.3, 1.0, p.out));
    default: // the rummy-nose
        return mix(Colour{220, 222, 220} * rays, Colour{250, 250, 250}, smoothstep(0.5, 1.0, p.out));
    }
}

// The tail fin: out from the root (0) to the edge (1), v from its top (1) to its bottom (-1).
Colour tail(FishKind kind, FinPoint p) {
    const double out = p.out, v = p.along;
    const double rays = 0.87 + 0.13 * std::sin(v * 2 * Pi * 5.0);
    switch (kind) {
    case FishKind::Neon:
        return mix(Colour{225, 40, 40}, Colour{210, 215, 215}, smoothstep(0.0, 0.35, out)) * rays;
    case FishKind::Clownfish: {
        Colour c = mix(Colour{250, 120, 20} * rays, Colour{20, 20, 20}, smoothstep(0.55, 0.65, out));
        return mix(c, Colour{250, 250, 245}, smoothstep(0.82, 0.9, out));
    }
    case FishKind::Angelfish:
        return mix(Colour{225, 225, 220}, Colour{30, 30, 34}, band(out, 0.35, 0.07) + band(out, 0.7, 0.07)) *
               rays;
    case FishKind::Goldfish:
        return mix(Colour{255, 120, 20}, Colour{255, 245, 225}, smoothstep(0.4, 1.0, out)) * rays;
    case FishKind::Danio:
        return mix(Colour{230, 220, 170}, Colour{40, 56, 150}, band(v, 0.25, 0.12) + band(v, -0.25, 0.12)) *
               rays;
    case FishKind::TigerBarb:
        return mix(Colour{240, 210, 110}, Colour{230, 30, 30}, smoothstep(0.5, 0.8, out) * std::abs(v)) *
               rays;
    case FishKind::Leopard:
        return mix(Colour{220, 195, 140} * rays, Colour{70, 40, 20},
                   0.85 * dots(out * 0.2, v * 0.3, 0.06, 0.018, 0.85, 605));
    case FishKind::Fighter:
        return mix(Colour{210, 20, 60}, Colour{80, 70, 230}, smoothstep(0.45, 1.0, out)) * rays;
    case FishKind::Tang:
        return Colour{252, 214, 40} * rays;
    case FishKind::Discus:
        return mix(Colour{160, 60, 34}, Colour{60, 200, 200}, 0.6 * smoothstep(0.3, 0.9, out)) * rays;
    case FishKind::Butterflyfish:
        return mix(Colour{252, 220, 40}, Colour{255, 250, 220}, smoothstep(0.3, 1.0, out)) * rays;
    case FishKind::Rainbowfish:
        return mix(Colour{245, 170, 50}, Colour{230, 40, 40}, smoothstep(0.6, 0.9, out)) * rays;
    case FishKind::Guppy: { // a bright tail, red at the root turning blue, with yellow spots
        Colour c = mix(Colour{240, 60, 30}, Colour{40, 110, 240},
                       smoothstep(0.3, 0.8, out + 0.15 * std::sin(v * 5.0)));
        c = mix(c, Colour{250, 220, 40}, dots(out * 0.25, v * 0.3, 0.07, 0.02, 0.7, 1207));
        return mix(Colour{170, 170, 150}, c, smoothstep(0.05, 0.25, out)) * rays;
    }
    case FishKind::Koi:
        return mix(Colour{248, 244, 238}, Colour{235, 90, 40}, 0.5 * smoothstep(0.4, 1.0, out)) * rays;
    default: { // the rummy-nose: black and white bars across the tail
        const double stripes = band(v, 0.0, 0.18) + band(std::abs(v), 0.72, 0.16);
        return mix(Colour{245, 245, 240}, Colour{20, 20, 24}, clamp01(stripes) * smoothstep(0.1, 0.2, out));
    }
    }
}

// The dark eye with a bright iris and a glint, over whatever lies beneath.
Colour withEye(Colour c, double s, double t) {
    const double ds = (s - EyeS) / EyeRadiusS, dt = (t - EyeT) / EyeRadiusT;
    const double r = std::sqrt(ds * ds + dt * dt);
    if (r > 1.25)
        return c;
    c = mix(c, Colour{30, 26, 22}, smoothstep(1.25, 1.05, r));
    c = mix(c, Colour{230, 200, 110}, smoothstep(1.02, 0.9, r));
    c = mix(c, Colour{8, 8, 12}, smoothstep(0.62, 0.52, r));
    const double gs = ds + 0.3, gt = dt + 0.3;
    return mix(c, Colour{255, 255, 255}, smoothstep(0.28, 0.16, std::sqrt(gs * gs + gt * gt)));
}

Colour skinAt(FishKind kind, double s, double t) {
    // t from 0.9 to 1.9: dorsal fins, then the body from back to belly, then the fins beneath.
    const double around = t < 0.9 ? t + 1.0 : t;
    const double u = clamp01((s - SnoutS) / (TailRootS - SnoutS));
    const double d = clamp01((around - BackT) / (BellyT - BackT));
    Colour c = body(kind, {u, d});
    // A faint lattice of scales and the gill cover's edge.
    const double a = std::fmod(u * 40.0 + d * 10.0, 1.0) - 0.5;
    const double b = std::fmod(u * 40.0 - d * 10.0 + 20.0, 1.0) - 0.5;
    c = c * (0.93 + 0.09 * smoothstep(0.3, 0.7, std::abs(a) + std::abs(b)));
    c = c * (1.0 - 0.18 * band(s - 0.03 * std::sin(d * Pi), GillS, 0.006, 0.006) * smoothstep(0.05, 0.2, d));
    if (around < BackT + 0.02) {
        const double out = clamp01((BackT - around) / (BackT - DorsalTipT));
        c = mix(c, fin(kind, {out, s}, body(kind, {u, 0.0}), true),
                smoothstep(BackT + 0.02, BackT - 0.02, around));
    } else if (around > BellyT - 0.02) {
        const double out = clamp01((around - BellyT) / (VentralTipT - BellyT));
        c = mix(c, fin(kind, {out, s}, body(kind, {u, 1.0}), false),
                smoothstep(BellyT - 0.02, BellyT + 0.02, around));
    }
    if (s > TailRootS - 0.02) {
        const double z = (1.43 - around) / 1.2;
        const double out = clamp01((s - TailRootS) / (TailTipS - TailRootS));
        c = mix(c, tail(kind, {out, std::clamp(z / 0.3, -1.0, 1.0)}),
                smoothstep(TailRootS - 0.02, TailRootS + 0.015, s));
    }
    return withEye(c, s, around);
}

} // namespace

Picture makeFishSkin(int kind) {
    Picture picture(FishSkinWidth, FishSkinHeight);
    for (int row = 0; row < FishSkinHeight; ++row) {
        const double t = (row + 0.5) / FishSkinHeight;
        for (int x = 0; x < FishSkinWidth; ++x) {
            const double s = (x + 0.5) / FishSkinWidth;
            picture.at(x, row) = toRgb(skinAt(kindFromNumber(kind), s, t));
        }
    }
    return picture;
}

} // namespace quillmere::assetgen
