#pragma once

#include "fish/fish_point.h"

#include <span>

namespace quillmere {

// Model-space point tables of every fish part and kind group. They are built once from the shape functions
// in fish_point_tables.cpp and never change afterwards.
//
// How they read a kind's skin (128 x 64, repeated; tools/assets/fish_skins.cpp paints to this layout):
// - s along the fish: 0.13 + 1.1 (x + 0.5), from 0.13 at the snout to about 0.77 at the last ring, then
//   0.5 per model unit behind it (about 0.87 at a forked tail's edge), never past 0.99;
// - t around the body: 1.18 + theta / (2 pi), theta from the top midline, so the back reads t = 1.18 and
//   the belly 1.68 on both halves; the lips read the back's t, the gill covers the cheek's t + 0.1;
// - fins on the midline: t = 1.43 - 1.2 z at their height z (dorsal tips near 0.95, ventral tips near 1.84);
// - paired fins: t from 1.70 at the root to 1.84 at the edge.
struct FishPointTables {
    // Half the body, top midline row first, bottom midline row last; point i lies on ring i.
    FishPointRows<6, 15> body;
    // The snout above and below the mouth line; point 0 is the front of the jaw.
    FishPointRows<4, 7> upperJaw;
    FishPointRows<4, 8> lowerJaw;

    // Dorsal fins: row 0 is the base on the back, the last row the free edge.
    // Which kind reads which is in fish_kind_shapes.h.
    FishPointRows<2, 25> dorsalShared; // 23 points used
    FishPointRows<2, 10> dorsalRounded;
    FishPointRows<3, 7> dorsalSwept; // swinging with the tail ring
    FishPointRows<2, 16> dorsalLong;

    FishPointRows<2, 20> pectoral; // row 0 on the flank
    FishPointRows<2, 10> pelvic;   // row 0 the root under the belly (raised into it when drawn)
    FishPointRows<5, 10> anal;     // row 0 the root; point i rides on ring 4 + i

    // Tails: row 0 the root at the tail stalk, row 1 the free edge; points run from top to bottom.
    FishPointRows<2, 25> tailBase; // a moderate fork, which most kinds add their own pieces to
    FishPointRows<2, 13> tailStreamer;
    FishPointRows<2, 25> tailDroopingVeil;
    FishPointRows<2, 21> tailFan;
    FishPointRows<2, 20> tailUpperSwallowLobe;
    FishPointRows<2, 20> tailLowerSwallowLobe;
    FishPointRows<2, 21> tailSpade;
    FishPointRows<2, 25> tailLyre;
    FishPointRows<2, 8> tailUpperTip;
    FishPointRows<2, 7> tailLowerTip;
    FishPointRows<2, 25> tailBroadVeil;
    FishPointRows<2, 17> tailDeepFork;
    FishPointRows<2, 17> tailCrescent;
    FishPointRows<2, 16> tailUpperThinLobe;
    FishPointRows<2, 16> tailLowerThinLobe;
    FishPointRows<2, 17> tailSquare;
    FishPointRows<2, 17> tailRoundFan;
    FishPointRows<2, 17> tailPoint;

    // The operculum on one side, front row first; points run from top to bottom.
    FishPointRows<3, 7> gillCover;
};

// The one set of tables of the program.
const FishPointTables& fishPointTables();

// The tail tables by name, so a kind's tail can be listed as data.
enum class TailTable {
    Base,
    Streamer,
    DroopingVeil,
    Fan,
    UpperSwallowLobe,
    LowerSwallowLobe,
    Spade,
    Lyre,
    UpperTip,
    LowerTip,
    BroadVeil,
    DeepFork,
    Crescent,
    UpperThinLobe,
    LowerThinLobe,
    Square,
    RoundFan,
    Point,
};

// A tail table's two rows, whatever its length.
struct TailRows {
    std::span<const FishPoint> root;
    std::span<const FishPoint> edge;
};
TailRows tailRows(const FishPointTables& tables, TailTable table);

// The body's outline at x (model units): the top and bottom midline heights and the half width.
struct BodySection {
    float top = 0.0f;
    float bottom = 0.0f;
    float halfWidth = 0.0f;
};
BodySection bodySectionAt(float x);

// Model-space extent of the body rings and of the jaws' front.
constexpr float FishSnoutX = -0.5f;
constexpr float FishFirstRingX = -0.43f;
constexpr float FishLastRingX = 0.08f;

} // namespace quillmere
