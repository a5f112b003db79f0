#include "fish/population.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillmere {
namespace {

std::array<int, FishKindCount> counts(std::initializer_list<int> leading) {
    std::array<int, FishKindCount> all{};
    int kind = 0;
    for (int c : leading)
        all[kind++] = c;
    return all;
}

TEST(SlotKinds, KindsFillTheSlotsInOrder) {
    const SlotKinds slots = mapSlotsToKinds(counts({2, 0, 3}));
    EXPECT_EQ(slots.total, 5);
    EXPECT_EQ(slots.kind[0], FishKind::Neon);
    EXPECT_EQ(slots.kind[1], FishKind::Neon);
    EXPECT_EQ(slots.kind[2], FishKind::Angelfish);
    EXPECT_EQ(slots.kind[4], FishKind::Angelfish);
    EXPECT_TRUE(slots.firstOfKind[0]);
    EXPECT_FALSE(slots.firstOfKind[1]);
    EXPECT_TRUE(slots.firstOfKind[2]);
    EXPECT_FALSE(slots.firstOfKind[3]);
}

TEST(SlotKinds, NoFishWhenEveryCountIsZero) {
    EXPECT_EQ(mapSlotsToKinds(counts({})).total, 0);
}

TEST(SlotKinds, TotalAboveFiftyKeepsTheFirstFiftySlots) {
    const SlotKinds slots = mapSlotsToKinds(counts({30, 30, 5}));
    EXPECT_EQ(slots.total, 50);
    EXPECT_EQ(slots.kind[29], FishKind::Neon);
    EXPECT_EQ(slots.kind[30], FishKind::Clownfish);
    EXPECT_EQ(slots.kind[49], FishKind::Clownfish);
    EXPECT_TRUE(slots.firstOfKind[30]);
}

TEST(SlotKinds, NegativeCountHoldsNoFish) {
    const SlotKinds slots = mapSlotsToKinds(counts({-5, 3}));
    EXPECT_EQ(slots.total, 3);
    EXPECT_EQ(slots.kind[0], FishKind::Clownfish);
    EXPECT_TRUE(slots.firstOfKind[0]);
}

TEST(Population, PlacesEverySlotOnAFloorVertexWithElevenDraws) {
    Random random;
    FishSlots fish;
    const TankBox tank;
    std::vector<std::pair<int, int>> asked;
    const FloorVertex floor = [&](int row, int column) {
        asked.emplace_back(row, column);
        return Vec3{static_cast<float>(row - 90), 0.5f, static_cast<float>(column - 50)};
    };
    Random expected;
    placeFish(fish, random, tank, floor);

    ASSERT_EQ(asked.size(), 50u);
    for (int slot = 0; slot < FishSlotCount; ++slot) {
        const int r1 = expected.next();
        const int r2 = expected.next();
        const int r3 = expected.next();
        const int r4 = expected.next();
        for (int unused = 0; unused < 7; ++unused)
            expected.next();
        EXPECT_EQ(asked[slot].first, r3 % 180);
        EXPECT_EQ(asked[slot].second, r4 % 30 + 15);
        EXPECT_GE(asked[slot].second, 15);
        EXPECT_LE(asked[slot].second, 44);
        const Fish& f = fish[slot];
        EXPECT_EQ(f.x, static_cast<float>(r3 % 180 - 90));
        EXPECT_FLOAT_EQ(f.y, -22.0f - 0.5f + static_cast<float>(r1 % 50) + 10.0f);
        EXPECT_EQ(f.z, static_cast<float>(r4 % 30 + 15 - 50) - 50.0f + static_cast<float>(r2 % 20));
        EXPECT_EQ(f.upperBound, 40.0f);
        EXPECT_EQ(f.lowerBound, -17.0f);
        EXPECT_EQ(f.nearZBound, -41.0f);
    }
    EXPECT_EQ(random.state(), expected.state());
}

} // namespace
} // namespace quillmere
