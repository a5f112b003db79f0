#pragma once

#include "core/random.h"
#include "fish/fish_kind.h"
#include "fish/fish_school.h"
#include "fish/tank_box.h"
#include "fish/vec3.h"
#include "settings/aquarium_settings.h"

#include <array>
#include <functional>

namespace quillmere {

// Which kind swims in each slot: kinds fill the slots in their stored order.
struct SlotKinds {
    int total = 0;                                 // slots 0 .. total - 1 swim; at most 50
    std::array<FishKind, FishSlotCount> kind{};    // valid below total
    std::array<bool, FishSlotCount> firstOfKind{}; // the slot where its kind's run starts
};

// The slot-to-kind mapping for per-kind counts; negative counts hold no fish and a total above 50
// keeps the first 50 in kind order.
SlotKinds mapSlotsToKinds(const std::array<int, FishKindCount>& counts);

// Floor vertex (row, column) of the terrain grid.
using FloorVertex = std::function<Vec3(int row, int column)>;

// Places all 50 slots on random floor vertices, whatever the counts, so that a fish added later
// already has a place, and gives each its bounds from the tank box.
void placeFish(FishSlots& fish, Random& random, const TankBox& tank, const FloorVertex& floorVertex);

} // namespace quillmere
