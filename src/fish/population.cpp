#include "fish/population.h"

namespace quillmere {

static_assert(AllFishKinds.size() == FishKindCount, "a count for every kind");

SlotKinds mapSlotsToKinds(const std::array<int, FishKindCount>& counts) {
    const std::array<int, FishKindCount> held = limitPopulation(counts);
    SlotKinds slots;
    for (int kind = 0; kind < FishKindCount; ++kind) {
        for (int n = 0; n < held[kind]; ++n) {
            slots.kind[slots.total] = kindFromNumber(kind);
            slots.firstOfKind[slots.total] = n == 0;
            ++slots.total;
        }
    }
    return slots;
}

void placeFish(FishSlots& fish, Random& random, const TankBox& tank, const FloorVertex& floorVertex) {
    const int width = static_cast<int>(tank.right - tank.left);
    for (Fish& f : fish) {
        const int r1 = random.next();
        const int r2 = random.next();
        const int r3 = random.next();
        const int r4 = random.next();
        const Vec3 v = floorVertex(r3 % width, r4 % 30 + 15);
        f.x = v.x;
        f.y = tank.bottom - v.y + static_cast<float>(r1 % 50) + 10.0f;
        f.z = v.z + tank.back + static_cast<float>(r2 % 20);
        for (int unused = 0; unused < 7; ++unused)
            random.next();
        f.SetBounds(tank.left, tank.right, tank.top, tank.bottom, tank.back + 9.0f);
    }
}

} // namespace quillmere
