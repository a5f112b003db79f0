#pragma once

#include "fish/fish_kind.h"
#include "fish/fish_point_tables.h"

#include <array>

namespace quillmere {

// All kinds share the body, jaws, pectoral fins and gill covers; what sets them apart is here: which
// tables their other fins are read from, how those are bent into shape and which parts of them move.
// Shifts are in model units, so they are multiplied by the fish's size when drawn.

// How one row of a fin is placed from its table: x and z scaled, then shifted.
struct FinRowShape {
    float xScale = 1.0f;
    float xShift = 0.0f;
    float zScale = 1.0f;
    float zShift = 0.0f;
};

// Which dorsal table a kind reads, and how it is drawn from it.
enum class DorsalTable {
    Shared,  // one strip on ring 8
    Rounded, // one strip on ring 8, the ring loaded again before every point pair
    Swept,   // two strips on the tail's ring, the wave growing with each row out from the back
    Long,    // one strip on ring 8
};

struct DorsalShape {
    DorsalTable table = DorsalTable::Shared;
    int first = 0; // the points drawn, first to last
    int last = 22;
    FinRowShape root; // row 0, on the back
    FinRowShape edge; // the free row
    bool edgeWaves = true;
    // Extra x of the edge's first points, for a notched fin.
    std::array<float, 8> edgeNotches{};
    // Extra z of the edge's odd points, for a frilled fin.
    float oddEdgeLift = 0.0f;
    // The edge's height above the root, scaled about the root; only the long table uses it.
    float edgeHeight = 1.0f;
    // Share of the dorsal wave the fin ripples with.
    float ripple = 1.0f;
};

struct PelvicShape {
    bool present = true;
    float heightScale = 1.0f; // multiplies both rows' z
    float headShift = 0.0f;   // toward the head (-x)
};

// The anal fin's free edge gets extra z at point i: slope (i - level) from point firstSloped on, plus
// oddLift on odd points.
struct AnalEdge {
    float slope = 0.0f;
    int level = 0;
    int firstSloped = 0;
    float oddLift = 0.0f;
};

struct AnalShape {
    float heightScale = 1.0f; // multiplies z of every row
    int strips = 4;
    bool rays = false; // lines across the fin, unscaled so they reach past its edge
    AnalEdge edge;
};

// One strip (or outline) of the tail fin, read from points first .. first + count - 1 of a table.
struct TailPiece {
    TailTable table = TailTable::Base;
    int first = 0;
    int count = 0;
    float zShift = 0.0f;
    bool mirrorZ = false; // z negated after the shift
    bool outline = false; // the edge row alone as a closed line
};

// A run of tail wave points held still, first to last.
struct PointRun {
    int first = 0;
    int last = -1;
};

struct FishKindShape {
    DorsalShape dorsal;
    PelvicShape pelvic;
    AnalShape anal;
    std::array<TailPiece, 3> tail{};     // drawn in order; a piece of no points is not there
    std::array<PointRun, 2> stillTail{}; // besides the root's two points, which never sway
};

constexpr TailPiece tailStrip(TailTable table, int first, int count) {
    return {table, first, count, 0.0f, false, false};
}

// Indexed by kind number. Each kind starts from the plainest fish (the shared dorsal fin drawn whole,
// pelvic and anal fins as the tables have them, the base tail) and states how it differs.
inline constexpr std::array<FishKindShape, AllFishKinds.size()> FishKindShapes = [] {
    using enum TailTable;
    std::array<FishKindShape, AllFishKinds.size()> rows{};
    const auto row = [&rows](FishKind kind) -> FishKindShape& { return rows[kindIndex(kind)]; };
    for (FishKindShape& shape : rows)
        shape.tail[0] = tailStrip(Base, 0, 25);
    // How far the kinds whose pelvic fins sit forward have them moved toward the head.
    constexpr float ShiftedPelvic = 0.05f;
    // The edge's points past 5 drawn in toward the body.
    constexpr AnalEdge TaperedTip{-0.02f, 5, 6, 0.0f};

    FishKindShape& clown = row(FishKind::Clownfish);
    clown.dorsal.last = 15;
    clown.dorsal.root = {1.5f, 0.0f, 1.0f, -0.03f};
    clown.dorsal.edge = {1.5f, 0.0f, 1.0f, 0.0f};
    clown.tail[1] = {Streamer, 0, 13, 0.065f, false, false};
    clown.tail[2] = {Streamer, 0, 13, 0.065f, true, false};
    clown.stillTail = {PointRun{0, 6}, PointRun{19, 24}};

    FishKindShape& angel = row(FishKind::Angelfish);
    angel.dorsal = clown.dorsal;
    angel.anal.heightScale = 0.9f;
    angel.anal.rays = true;
    angel.tail[1] = tailStrip(DroopingVeil, 0, 25);
    angel.tail[2] = {DroopingVeil, 0, 25, 0.0f, false, true};

    FishKindShape& goldfish = row(FishKind::Goldfish);
    goldfish.dorsal.table = DorsalTable::Rounded;
    goldfish.dorsal.last = 9;
    goldfish.dorsal.edge = {1.0f, 0.0f, 1.0f, 0.03f};
    goldfish.pelvic = {true, 0.8f, ShiftedPelvic};
    goldfish.anal.strips = 1;
    goldfish.tail[1] = tailStrip(Fan, 0, 21);

    FishKindShape& danio = row(FishKind::Danio);
    danio.dorsal.root = {1.5f, 0.0f, 1.0f, 0.0f};
    danio.dorsal.edge = {0.8f, 0.0f, 1.2f, 0.0f};
    danio.dorsal.edgeNotches = {0.0f, 0.0f, 0.0f, 0.05f, 0.0f, 0.02f, 0.0f, 0.05f};
    danio.pelvic = {true, 0.5f, ShiftedPelvic};
    danio.anal.edge.oddLift = 0.03f;
    danio.tail[1] = tailStrip(UpperSwallowLobe, 0, 20);
    danio.tail[2] = tailStrip(LowerSwallowLobe, 0, 20);

    FishKindShape& tigerBarb = row(FishKind::TigerBarb);
    tigerBarb.dorsal.edge.zScale = 0.9f;
    tigerBarb.tail[0] = tailStrip(DeepFork, 0, 9);
    tigerBarb.tail[1] = tailStrip(DeepFork, 8, 9);

    // A crest thrown forward over the head, still in the water.
    FishKindShape& leopard = row(FishKind::Leopard);
    leopard.dorsal.first = 1;
    leopard.dorsal.root = {-0.5f, -0.25f, 1.0f, -0.15f};
    leopard.dorsal.edge = {1.0f, -0.25f, 0.9f, 0.0f};
    leopard.dorsal.edgeWaves = false;
    leopard.pelvic = {true, 0.9f, ShiftedPelvic};
    leopard.anal.edge.slope = -0.01f;
    leopard.tail[1] = tailStrip(Spade, 0, 21);

    FishKindShape& fighter = row(FishKind::Fighter);
    fighter.dorsal.table = DorsalTable::Swept;
    fighter.dorsal.last = 6;
    fighter.pelvic = {true, 1.5f, ShiftedPelvic};
    fighter.anal.edge = {0.01f, 10, 0, 0.0f};
    fighter.tail[1] = tailStrip(Lyre, 0, 25);

    FishKindShape& tang = row(FishKind::Tang);
    tang.pelvic = {true, 0.9f, ShiftedPelvic};
    tang.anal.edge = TaperedTip;
    tang.tail[0] = tailStrip(Crescent, 0, 9);
    tang.tail[1] = tailStrip(Crescent, 7, 10);
    tang.stillTail[0] = {7, 9};

    // A tall fin, set a little back and lower, that barely ripples.
    FishKindShape& discus = row(FishKind::Discus);
    discus.dorsal.table = DorsalTable::Rounded;
    discus.dorsal.last = 9;
    discus.dorsal.root = {1.0f, -0.04f, 1.0f, 0.0f};
    discus.dorsal.edge = {1.0f, -0.04f, 1.0f, -0.02f};
    discus.dorsal.ripple = 0.2f;
    discus.pelvic = {true, 0.5f, ShiftedPelvic};
    discus.anal.heightScale = 0.5f;
    discus.anal.edge.oddLift = 0.01f;
    discus.tail[1] = tailStrip(UpperTip, 0, 8);
    discus.tail[2] = tailStrip(LowerTip, 0, 7);
    discus.stillTail[0] = {6, 7};

    FishKindShape& butterfly = row(FishKind::Butterflyfish);
    butterfly.dorsal.root = {2.5f, 0.14f, 1.0f, 0.0f};
    butterfly.dorsal.edge = {2.5f, 0.14f, 1.5f, 0.0f};
    butterfly.pelvic = {true, 0.9f, ShiftedPelvic};
    butterfly.anal.edge.oddLift = 0.05f;
    butterfly.tail[0] = tailStrip(UpperThinLobe, 0, 16);
    butterfly.tail[1] = tailStrip(LowerThinLobe, 0, 16);
    butterfly.stillTail[0] = {11, 12};

    FishKindShape& rainbow = row(FishKind::Rainbowfish);
    rainbow.dorsal.table = DorsalTable::Long;
    rainbow.dorsal.last = 15;
    rainbow.pelvic = {true, 0.9f, ShiftedPelvic};
    rainbow.anal.edge = TaperedTip;
    rainbow.tail[0] = tailStrip(Square, 0, 10);
    rainbow.tail[1] = tailStrip(Square, 7, 10);
    rainbow.stillTail[0] = {7, 9};

    FishKindShape& guppy = row(FishKind::Guppy);
    guppy.dorsal.table = DorsalTable::Long;
    guppy.dorsal.last = 15;
    guppy.dorsal.edge.zShift = 0.04f;
    guppy.pelvic = {true, 1.1f, ShiftedPelvic};
    guppy.anal.edge = {0.005f, 10, 0, 0.015f};
    guppy.tail[1] = tailStrip(BroadVeil, 0, 25);

    FishKindShape& koi = row(FishKind::Koi);
    koi.dorsal.table = DorsalTable::Long;
    koi.dorsal.last = 15;
    koi.dorsal.oddEdgeLift = 0.035f;
    koi.pelvic = {true, 1.2f, ShiftedPelvic};
    koi.anal.edge = TaperedTip;
    koi.tail[0] = tailStrip(RoundFan, 2, 13);

    FishKindShape& rummyNose = row(FishKind::RummyNose);
    rummyNose.dorsal.table = DorsalTable::Long;
    rummyNose.dorsal.last = 15;
    rummyNose.dorsal.edge.xShift = 0.03f;
    rummyNose.dorsal.edgeHeight = 0.7f;
    rummyNose.pelvic.present = false;
    rummyNose.anal.edge = TaperedTip;
    rummyNose.tail[0] = tailStrip(Point, 0, 10);
    rummyNose.tail[1] = tailStrip(Point, 8, 9);
    rummyNose.stillTail[0] = {7, 9};
    return rows;
}();

constexpr const FishKindShape& shapeOf(FishKind kind) {
    return FishKindShapes[kindIndex(kind)];
}

// The anal fin edge's extra z at point i, in model units.
constexpr float analEdgeOffset(const AnalEdge& edge, int point) {
    float offset = 0.0f;
    if (edge.slope != 0.0f && point >= edge.firstSloped)
        offset = static_cast<float>(point - edge.level) * edge.slope;
    if (edge.oddLift != 0.0f)
        offset += static_cast<float>(point % 2) * edge.oddLift;
    return offset;
}

} // namespace quillmere
