#include "fish/fish_point_tables.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quillmere {
namespace {

constexpr float Pi = std::numbers::pi_v<float>;

// The body outline at seven evenly spaced stations from the snout (u = 0, x = -0.5) to the tail stalk
// (u = 1, x = 0.08): a steep forehead up to a high back that carries the dorsal fin's base from
// z = 0.37 down to 0.23, deepest a little behind the gills, the belly shallower than the back is high.
constexpr std::array<float, 7> TopKeys = {0.012f, 0.270f, 0.350f, 0.372f, 0.330f, 0.225f, 0.055f};
constexpr std::array<float, 7> BottomKeys = {-0.012f, -0.100f, -0.158f, -0.170f, -0.134f, -0.076f, -0.040f};
constexpr std::array<float, 7> HalfWidthKeys = {0.010f, 0.058f, 0.074f, 0.073f, 0.060f, 0.038f, 0.022f};

constexpr float BodyLength = FishLastRingX - FishSnoutX;

// Skin coordinates: s runs along the fish from 0.13 at the snout; t runs around the body with the back at
// 1.18 and the belly at 1.68, where the skins put their back and belly colours.
constexpr float BackT = 1.18f;
// Behind the body the fins take the last tenth of the skin, so they never wrap round to the head's colours.
float sAlong(float x) {
    const float atLastRing = 0.13f + (FishLastRingX - FishSnoutX) * 1.1f;
    if (x <= FishLastRingX)
        return 0.13f + (x - FishSnoutX) * 1.1f;
    return std::min(atLastRing + (x - FishLastRingX) * 0.5f, 0.99f);
}
float tAround(float theta) {
    return BackT + 0.5f * theta / Pi;
}
// Fins on the midline take the skin at their height: below the belly rows for the fins beneath,
// through the middle of the body for the tail.
float tOfHeight(float z) {
    return BackT + 0.25f - z * 1.2f;
}
// The dorsal fins take it by their height above the back: the back rows' colour at the root, the
// skin's dorsal colours out to the tip.
float tAboveBack(float x, float z);
// The paired fins read the band below the belly rows, from their root to their edge.
constexpr float PairedFinRootT = BackT + 0.52f;
constexpr float PairedFinEdgeT = BackT + 0.66f;

float catmullRom(const std::array<float, 7>& keys, float u) {
    const float position = std::clamp(u, 0.0f, 1.0f) * 6.0f;
    const int i = std::min(static_cast<int>(position), 5);
    const float f = position - static_cast<float>(i);
    const float p0 = keys[static_cast<std::size_t>(std::max(i - 1, 0))];
    const float p1 = keys[static_cast<std::size_t>(i)];
    const float p2 = keys[static_cast<std::size_t>(i + 1)];
    const float p3 = keys[static_cast<std::size_t>(std::min(i + 2, 6))];
    return 0.5f * (2.0f * p1 + (p2 - p0) * f + (2.0f * p0 - 5.0f * p1 + 4.0f * p2 - p3) * f * f +
                   (3.0f * p1 - p0 - 3.0f * p2 + p3) * f * f * f);
}

struct Vec {
    float x, y, z;
};

Vec cross(Vec a, Vec b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec normalised(Vec v) {
    const float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (length < 1e-12f)
        return {0.0f, 0.0f, 1.0f};
    return {v.x / length, v.y / length, v.z / length};
}

// A point of a section: theta 0 at the top midline, pi/2 at the widest, pi at the bottom midline. The
// sides are fuller than an ellipse's.
Vec sectionPoint(float x, float theta, float middle) {
    const BodySection section = bodySectionAt(x);
    const float c = std::cos(theta);
    const float side = std::pow(std::max(std::sin(theta), 0.0f), 0.85f);
    const float z = c >= 0.0f ? middle + (section.top - middle) * c : middle + (middle - section.bottom) * c;
    return {x, section.halfWidth * side, z};
}

Vec surfaceNormal(float x, float theta, float middle) {
    constexpr float e = 1e-3f;
    const Vec ax = sectionPoint(x + e, theta, middle);
    const Vec bx = sectionPoint(x - e, theta, middle);
    const Vec at = sectionPoint(x, theta + e, middle);
    const Vec bt = sectionPoint(x, theta - e, middle);
    return normalised(
        cross({ax.x - bx.x, ax.y - bx.y, ax.z - bx.z}, {at.x - bt.x, at.y - bt.y, at.z - bt.z}));
}

FishPoint surfacePoint(float x, float theta, float middle = 0.0f) {
    const Vec p = sectionPoint(x, theta, middle);
    const Vec n = surfaceNormal(x, theta, middle);
    return {p.x, p.y, p.z, n.x, n.y, n.z, sAlong(x), tAround(theta)};
}

// A point of a fin on the midline. Its normal is model -y, which the upright turn points at the viewer;
// since normals never follow the rings, the fin stays lit whichever way the fish swims.
FishPoint midlinePoint(float x, float z) {
    return {x, 0.0f, z, 0.0f, -1.0f, 0.0f, sAlong(x), tOfHeight(z)};
}

// A point of a fin on the back, read from the skin by its height above the back.
FishPoint dorsalPoint(float x, float z) {
    FishPoint p = midlinePoint(x, z);
    p.t = tAboveBack(x, z);
    return p;
}

// sin(pi f) for f in 0..1, never the tiny negative that rounding gives at f = 1.
float arch(float f) {
    return std::max(std::sin(Pi * f), 0.0f);
}

float fraction(int i, int count) {
    return count > 1 ? static_cast<float>(i) / static_cast<float>(count - 1) : 0.0f;
}

FishPointRows<6, 15> makeBody() {
    FishPointRows<6, 15> rows{};
    for (int r = 0; r < 6; ++r) {
        const float theta = Pi * static_cast<float>(r) / 5.0f;
        for (int i = 0; i < 15; ++i) {
            const float x = FishFirstRingX + (FishLastRingX - FishFirstRingX) * fraction(i, 15);
            rows[r][i] = surfacePoint(x, theta);
        }
    }
    return rows;
}

// The mouth line runs a little below the middle at the front and meets it at the corner.
constexpr float JawBackX = -0.42f; // just behind ring 0, so the jaws close onto the body
float mouthLine(float x) {
    return -0.004f * (JawBackX - x) / (JawBackX - FishSnoutX);
}

template <std::size_t Rows, std::size_t Points> FishPointRows<Rows, Points> makeJaw(float firstTheta) {
    FishPointRows<Rows, Points> rows{};
    for (int r = 0; r < static_cast<int>(Rows); ++r) {
        const float theta = firstTheta + 0.5f * Pi * fraction(r, static_cast<int>(Rows));
        for (int i = 0; i < static_cast<int>(Points); ++i) {
            const float x = FishSnoutX + (JawBackX - FishSnoutX) * fraction(i, static_cast<int>(Points));
            rows[r][i] = surfacePoint(x, theta, mouthLine(x));
            // The lips take the back's colour, which draws the mouth as a dark line on most skins.
            if (std::abs(theta - 0.5f * Pi) < 1e-3f)
                rows[r][i].t = BackT;
        }
    }
    return rows;
}

float backAt(float x) {
    return bodySectionAt(x).top;
}

float tAboveBack(float x, float z) {
    return BackT + 0.015f - (z - backAt(x)) * 1.2f;
}
float bellyAt(float x) {
    return bodySectionAt(x).bottom;
}

// The common dorsal: a rising front edge, highest a fifth of the way back, then sloping to the rear. The
// root sits just inside the back, from z = 0.37 at the front to 0.23 at the rear.
FishPointRows<2, 25> makeDorsalShared() {
    FishPointRows<2, 25> rows{};
    for (int i = 0; i < 25; ++i) {
        const float f = static_cast<float>(i) / 22.0f;
        const float x = -0.225f + 0.195f * f;
        const float height = f < 0.2f ? 0.17f * (0.45f + 0.55f * std::sin(0.5f * Pi * f / 0.2f))
                                      : 0.17f * (1.0f - 0.72f * (f - 0.2f) / 0.8f);
        rows[0][i] = dorsalPoint(x, backAt(x) - 0.012f);
        const float edgeX = x + 0.05f - 0.02f * f;
        rows[1][i] = dorsalPoint(edgeX, backAt(x) + height);
    }
    return rows;
}

FishPointRows<2, 10> makeDorsalRounded() {
    FishPointRows<2, 10> rows{};
    for (int i = 0; i < 10; ++i) {
        const float f = fraction(i, 10);
        const float x = -0.15f + 0.18f * f;
        rows[0][i] = dorsalPoint(x, backAt(x) - 0.012f);
        rows[1][i] = dorsalPoint(x + 0.035f, backAt(x) + 0.04f + 0.12f * std::sin(Pi * (0.15f + 0.8f * f)));
    }
    return rows;
}

// A tall sail swept back over the tail stalk.
FishPointRows<3, 7> makeDorsalSwept() {
    FishPointRows<3, 7> rows{};
    for (int i = 0; i < 7; ++i) {
        const float f = fraction(i, 7);
        const float x = -0.2f + 0.25f * f;
        const FishPoint root = dorsalPoint(x, backAt(x) - 0.012f);
        const FishPoint edge = dorsalPoint(-0.13f + 0.36f * f, backAt(-0.13f) + 0.07f + 0.2f * f * f);
        rows[0][i] = root;
        rows[2][i] = edge;
        rows[1][i] = dorsalPoint(0.5f * (root.x + edge.x), 0.5f * (root.z + edge.z) + 0.02f);
    }
    return rows;
}

// A long low fin from the nape to the tail stalk.
FishPointRows<2, 16> makeDorsalLong() {
    FishPointRows<2, 16> rows{};
    for (int i = 0; i < 16; ++i) {
        const float f = fraction(i, 16);
        const float x = -0.31f + 0.34f * f;
        rows[0][i] = dorsalPoint(x, backAt(x) - 0.012f);
        const float height = 0.05f + 0.05f * std::sin(Pi * std::min(f * 1.6f, 1.0f) * 0.5f) - 0.02f * f;
        rows[1][i] = dorsalPoint(x + 0.025f, backAt(x) + height);
    }
    return rows;
}

// A rounded paddle behind the gill cover, reaching back and out from the flank and drooping toward its
// lower edge, so that it shows from above as well as from the side.
FishPointRows<2, 20> makePectoral() {
    FishPointRows<2, 20> rows{};
    const Vec normal = normalised({0.1f, 0.6f, 0.8f});
    for (int i = 0; i < 20; ++i) {
        const float f = fraction(i, 20);
        const float rootX = -0.34f + 0.025f * f;
        const float rootZ = -0.01f - 0.045f * f;
        const float halfWidth = bodySectionAt(rootX).halfWidth;
        rows[0][i] = {rootX,    halfWidth * 0.92f, rootZ,         normal.x,
                      normal.y, normal.z,          sAlong(rootX), PairedFinRootT};
        // Round the free edge: longest in the middle of the fan.
        const float reach = 0.09f + 0.04f * std::sin(Pi * f);
        const float x = rootX + reach * (0.55f + 0.35f * f);
        const float y = halfWidth + reach * (0.6f - 0.3f * f);
        const float z = rootZ - reach * (0.1f + 0.5f * f);
        rows[1][i] = {x, y, z, normal.x, normal.y, normal.z, sAlong(x), PairedFinEdgeT};
    }
    return rows;
}

// A pointed fin under the belly; its root row lies 0.05 below where it is drawn.
FishPointRows<2, 10> makePelvic() {
    FishPointRows<2, 10> rows{};
    for (int i = 0; i < 10; ++i) {
        const float f = fraction(i, 10);
        const float rootX = -0.325f + 0.06f * f;
        rows[0][i] = {rootX, 0.022f, -0.125f, 0.0f, 0.6f, -0.8f, sAlong(rootX), PairedFinRootT};
        const float x = -0.29f + 0.1f * f;
        rows[1][i] = {x,     0.035f + 0.015f * f, -0.34f + 0.13f * f, 0.0f, 0.6f,
                      -0.8f, sAlong(x),           PairedFinEdgeT};
    }
    return rows;
}

// Point i under ring 4 + i; the rows step out from the root to the edge, swept back.
FishPointRows<5, 10> makeAnal() {
    constexpr std::array<float, 5> Depths = {0.0f, 0.35f, 0.6f, 0.82f, 1.0f};
    FishPointRows<5, 10> rows{};
    for (int i = 0; i < 10; ++i) {
        const float f = fraction(i, 10);
        const float x = -0.15f + 0.19f * f;
        const float root = bellyAt(x) + 0.015f;
        const float depth = 0.135f * (1.0f - 0.45f * f) + 0.015f;
        for (int r = 0; r < 5; ++r) {
            const float d = Depths[static_cast<std::size_t>(r)];
            rows[r][i] = midlinePoint(x + 0.035f * d, root - depth * d);
        }
    }
    return rows;
}

constexpr float TailRootX = 0.06f;
constexpr float TailRootHalfHeight = 0.045f;

// Points from top (v = 1) to bottom (v = -1): the root row up the tail stalk and an edge given by shape.
template <std::size_t Points, typename Edge> FishPointRows<2, Points> makeTail(Edge edge) {
    FishPointRows<2, Points> rows{};
    for (int i = 0; i < static_cast<int>(Points); ++i) {
        const float v = 1.0f - 2.0f * fraction(i, static_cast<int>(Points));
        rows[0][i] = midlinePoint(TailRootX, TailRootHalfHeight * v);
        const auto [x, z] = edge(v);
        rows[1][i] = midlinePoint(x, z);
    }
    return rows;
}

// A piece laid over the base tail: both rows given by shape functions of f from 0 to 1.
template <std::size_t Points, typename Root, typename Edge>
FishPointRows<2, Points> makePiece(Root root, Edge edge) {
    FishPointRows<2, Points> rows{};
    for (int i = 0; i < static_cast<int>(Points); ++i) {
        const float f = fraction(i, static_cast<int>(Points));
        const auto [rx, rz] = root(f);
        const auto [ex, ez] = edge(f);
        rows[0][i] = midlinePoint(rx, rz);
        rows[1][i] = midlinePoint(ex, ez);
    }
    return rows;
}

struct XZ {
    float x;
    float z;
};

template <std::size_t Rows, std::size_t Points>
FishPointRows<Rows, Points> mirroredInZ(FishPointRows<Rows, Points> rows) {
    for (auto& row : rows)
        for (FishPoint& p : row) {
            p.z = -p.z;
            p.t = tOfHeight(p.z);
        }
    return rows;
}

// The operculum: a plate over the side of the head, its rear edge bowed back and standing off the body.
FishPointRows<3, 7> makeGillCover() {
    constexpr std::array<float, 3> RowX = {-0.39f, -0.365f, -0.34f};
    FishPointRows<3, 7> rows{};
    for (int r = 0; r < 3; ++r) {
        for (int i = 0; i < 7; ++i) {
            const float theta = Pi * (0.17f + 0.66f * fraction(i, 7));
            const float x =
                RowX[static_cast<std::size_t>(r)] + 0.02f * static_cast<float>(r) * std::sin(theta);
            FishPoint p = surfacePoint(x, theta);
            const float lift = 0.003f + 0.004f * static_cast<float>(r);
            p.y += lift * std::sin(theta);
            p.z += lift * std::cos(theta);
            const Vec n = normalised({p.nx + 0.35f, p.ny, p.nz});
            p.nx = n.x;
            p.ny = n.y;
            p.nz = n.z;
            // A paler plate than the cheek beneath it, so its edge shows.
            p.t += 0.1f;
            rows[r][i] = p;
        }
    }
    return rows;
}

FishPointTables makeTables() {
    FishPointTables tables;
    tables.body = makeBody();
    tables.upperJaw = makeJaw<4, 7>(0.0f);
    tables.lowerJaw = makeJaw<4, 8>(0.5f * Pi);
    tables.dorsalShared = makeDorsalShared();
    tables.dorsalRounded = makeDorsalRounded();
    tables.dorsalSwept = makeDorsalSwept();
    tables.dorsalLong = makeDorsalLong();
    tables.pectoral = makePectoral();
    tables.pelvic = makePelvic();
    tables.anal = makeAnal();

    // A moderate fork.
    tables.tailBase = makeTail<25>([](float v) {
        return XZ{0.2f + 0.085f * std::pow(std::abs(v), 1.5f), 0.2f * v};
    });
    // Thin streamers along the lobes; drawn raised and mirrored.
    tables.tailStreamer = makePiece<13>(
        [](float f) {
            return XZ{0.09f + 0.19f * f, 0.01f + 0.1f * f};
        },
        [](float f) {
            return XZ{0.09f + 0.34f * f, 0.03f + 0.13f * f};
        });
    // A drooping veil hung from the middle of the tail, closing on itself at both ends.
    tables.tailDroopingVeil = makePiece<25>(
        [](float f) {
            return XZ{0.12f, 0.15f - 0.3f * f};
        },
        [](float f) {
            const float bulge = std::pow(arch(f), 0.7f);
            return XZ{0.12f + 0.3f * bulge, 0.15f - 0.3f * f - 0.1f * bulge * std::sin(Pi * f)};
        });
    // A round fan filling the fork.
    tables.tailFan = makePiece<21>(
        [](float f) {
            return XZ{0.13f, 0.17f - 0.34f * f};
        },
        [](float f) {
            return XZ{0.13f + 0.17f * std::sin(Pi * f), 0.19f * std::cos(Pi * f)};
        });
    // Long swallow lobes.
    const auto upperLobe = makePiece<20>(
        [](float f) {
            return XZ{0.1f + 0.18f * f, 0.04f + 0.16f * f};
        },
        [](float f) {
            return XZ{0.1f + 0.36f * f, 0.06f + 0.24f * f};
        });
    tables.tailUpperSwallowLobe = upperLobe;
    tables.tailLowerSwallowLobe = mirroredInZ(upperLobe);
    // A spade tapering to a point in the middle.
    tables.tailSpade = makePiece<21>(
        [](float f) {
            return XZ{0.12f, 0.15f - 0.3f * f};
        },
        [](float f) {
            return XZ{0.12f + 0.25f * arch(f) * arch(f), 0.18f * std::cos(Pi * f)};
        });
    // Lyre: long filaments at top and bottom, short in the middle.
    tables.tailLyre = makePiece<25>(
        [](float f) {
            return XZ{0.14f, 0.17f - 0.34f * f};
        },
        [](float f) {
            const float v = 1.0f - 2.0f * f;
            return XZ{0.18f + 0.3f * std::pow(std::abs(v), 4.0f), 0.3f * v};
        });
    // Small tips pointing past the lobes.
    tables.tailUpperTip = makePiece<8>(
        [](float f) {
            return XZ{0.2f + 0.08f * f, 0.15f + 0.05f * f};
        },
        [](float f) {
            return XZ{0.24f + 0.12f * f, 0.17f + 0.08f * f};
        });
    tables.tailLowerTip = makePiece<7>(
        [](float f) {
            return XZ{0.28f - 0.08f * f, -0.2f + 0.05f * f};
        },
        [](float f) {
            return XZ{0.36f - 0.12f * f, -0.25f + 0.08f * f};
        });
    // A broad veil, longest in the middle.
    tables.tailBroadVeil = makePiece<25>(
        [](float f) {
            return XZ{0.13f, 0.17f - 0.34f * f};
        },
        [](float f) {
            const float v = 1.0f - 2.0f * f;
            return XZ{0.13f + 0.36f * std::pow(arch(f), 0.8f), 0.26f * v - 0.06f * std::sin(Pi * f)};
        });
    // Own tails: deep fork, crescent, square, round fan and point.
    tables.tailDeepFork = makeTail<17>([](float v) {
        return XZ{0.13f + 0.23f * std::pow(std::abs(v), 1.2f), 0.27f * v};
    });
    tables.tailCrescent = makeTail<17>([](float v) { return XZ{0.2f + 0.14f * v * v, 0.25f * v}; });
    tables.tailSquare = makeTail<17>([](float v) { return XZ{0.25f + 0.02f * std::abs(v), 0.22f * v}; });
    tables.tailRoundFan = makeTail<17>([](float v) {
        return XZ{0.09f + 0.2f * std::sqrt(std::max(1.0f - v * v, 0.0f)), 0.2f * v};
    });
    tables.tailPoint = makeTail<17>([](float v) {
        return XZ{0.18f + 0.16f * (1.0f - std::abs(v)), 0.13f * v};
    });
    // Two long thin lobes, each from the tail stalk.
    const auto upper10 = makePiece<16>(
        [](float f) {
            return XZ{TailRootX + 0.02f * f, TailRootHalfHeight * (1.0f - f)};
        },
        [](float f) {
            return XZ{0.48f - 0.3f * f, 0.34f - 0.3f * f};
        });
    tables.tailUpperThinLobe = upper10;
    tables.tailLowerThinLobe = mirroredInZ(upper10);

    tables.gillCover = makeGillCover();
    return tables;
}

} // namespace

BodySection bodySectionAt(float x) {
    const float u = (x - FishSnoutX) / BodyLength;
    return {catmullRom(TopKeys, u), catmullRom(BottomKeys, u), catmullRom(HalfWidthKeys, u)};
}

TailRows tailRows(const FishPointTables& tables, TailTable table) {
    const auto rows = [](const auto& pair) { return TailRows{pair[0], pair[1]}; };
    switch (table) {
    case TailTable::Base:
        return rows(tables.tailBase);
    case TailTable::Streamer:
        return rows(tables.tailStreamer);
    case TailTable::DroopingVeil:
        return rows(tables.tailDroopingVeil);
    case TailTable::Fan:
        return rows(tables.tailFan);
    case TailTable::UpperSwallowLobe:
        return rows(tables.tailUpperSwallowLobe);
    case TailTable::LowerSwallowLobe:
        return rows(tables.tailLowerSwallowLobe);
    case TailTable::Spade:
        return rows(tables.tailSpade);
    case TailTable::Lyre:
        return rows(tables.tailLyre);
    case TailTable::UpperTip:
        return rows(tables.tailUpperTip);
    case TailTable::LowerTip:
        return rows(tables.tailLowerTip);
    case TailTable::BroadVeil:
        return rows(tables.tailBroadVeil);
    case TailTable::DeepFork:
        return rows(tables.tailDeepFork);
    case TailTable::Crescent:
        return rows(tables.tailCrescent);
    case TailTable::UpperThinLobe:
        return rows(tables.tailUpperThinLobe);
    case TailTable::LowerThinLobe:
        return rows(tables.tailLowerThinLobe);
    case TailTable::Square:
        return rows(tables.tailSquare);
    case TailTable::RoundFan:
        return rows(tables.tailRoundFan);
    case TailTable::Point:
        return rows(tables.tailPoint);
    }
    return rows(tables.tailBase);
}

const FishPointTables& fishPointTables() {
    static const FishPointTables tables = makeTables();
    return tables;
}

} // namespace quillmere
