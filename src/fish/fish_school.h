#pragma once

#include "core/random.h"
#include "fish/fish.h"
#include "fish/vec3.h"

#include <array>

namespace quillmere {

constexpr int FishSlotCount = 50;

using FishSlots = std::array<Fish, FishSlotCount>;

// Do the padded boxes touch? On every axis each one's max is at least the other's min.
bool paddedBoxesOverlap(const Fish& a, const Fish& b);

// Fish i, just drawn, against every other slot: the ones it touches are marked colliding; nearly
// parallel fish give way head to head or let the one ahead speed up, crossing fish side-step.
void avoidOtherFish(FishSlots& fish, int i, Random& random);

// Positions of the fish drawn this frame, copied after each one moved.
struct FishSnapshots {
    std::array<Vec3, FishSlotCount> position{};
    int count = 0;
};

// Every pair of drawn fish closer than 5 on all three axes: the first of the pair climbs if it is the
// higher one, else dives, one degree of target pitch.
void separateVertically(FishSlots& fish, const FishSnapshots& snapshots, Random& random);

} // namespace quillmere
