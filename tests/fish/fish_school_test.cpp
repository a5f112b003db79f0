#include "fish/fish_school.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

// All 50 slots at rest far from each other, as the population leaves the slots that never swim.
FishSlots emptyTank() {
    FishSlots fish;
    for (Fish& f : fish)
        f.SetBounds(-90.0f, 90.0f, 30.0f, -22.0f, -41.0f);
    return fish;
}

void place(Fish& fish, float x, float y, float z, float heading) {
    fish.x = x;
    fish.y = y;
    fish.z = z;
    fish.heading = heading;
    fish.targetHeading = heading;
    fish.UpdateDirectionFlags();
    fish.UpdateExtents();
}

TEST(FishAvoidance, OverlapNeedsEveryAxisAndCountsTouchingBoxes) {
    Fish a;
    Fish b;
    a.paddedBox = FishBox{2, 0, 2, 0, 2, 0};
    b.paddedBox = FishBox{4, 2, 2, 0, 2, 0};
    EXPECT_TRUE(paddedBoxesOverlap(a, b));
    EXPECT_TRUE(paddedBoxesOverlap(b, a));
    b.paddedBox = FishBox{4, 2.01f, 2, 0, 2, 0};
    EXPECT_FALSE(paddedBoxesOverlap(a, b));
    b.paddedBox = FishBox{1, 0, 1, 0, 5, 3};
    EXPECT_FALSE(paddedBoxesOverlap(a, b));
}

TEST(FishAvoidance, FishAheadSpeedsUp) {
    Random random;
    FishSlots fish = emptyTank();
    place(fish[0], 0.0f, 0.0f, -60.0f, 0.0f);  // heading toward -x
    place(fish[1], -1.0f, 0.0f, -60.0f, 0.0f); // ahead of it
    avoidOtherFish(fish, 0, random);
    EXPECT_NEAR(fish[1].speed, 0.2f, 1e-6f);
    EXPECT_NEAR(fish[0].speed, 0.1f, 1e-6f);
    EXPECT_TRUE(fish[1].colliding);
}

TEST(FishAvoidance, FishBehindLetsTheOtherPassWhenItIsTheOneTested) {
    Random random;
    FishSlots fish = emptyTank();
    place(fish[0], -1.0f, 0.0f, -60.0f, 0.0f); // ahead
    place(fish[1], 0.0f, 0.0f, -60.0f, 0.0f);
    avoidOtherFish(fish, 0, random);
    EXPECT_NEAR(fish[0].speed, 0.2f, 1e-6f);
    EXPECT_NEAR(fish[1].speed, 0.1f, 1e-6f);
}

TEST(FishAvoidance, HeadToHeadTheOtherOfEqualSizeTurnsAway) {
    Random random;
    FishSlots fish = emptyTank();
    place(fish[0], 0.0f, 0.0f, -60.0f, 0.0f);    // toward -x
    place(fish[1], -3.0f, 0.0f, -60.0f, 180.0f); // toward +x
    avoidOtherFish(fish, 0, random);
    EXPECT_EQ(fish[0].targetHeading, 0.0f);
    EXPECT_EQ(fish[1].targetHeading, 360.0f);
}

TEST(FishAvoidance, HeadToHeadTheSmallerFishTurnsAway) {
    Random random;
    FishSlots fish = emptyTank();
    place(fish[0], 0.0f, 0.0f, -60.0f, 0.0f);
    place(fish[1], -3.0f, 0.0f, -60.0f, 180.0f);
    fish[0].size = 7;
    avoidOtherFish(fish, 0, random);
    EXPECT_EQ(fish[0].targetHeading, -180.0f); // turned away from its own heading toward -x
    EXPECT_EQ(fish[1].targetHeading, 180.0f);
}

TEST(FishAvoidance, CrossingFishSideSteps) {
    Random random;
    FishSlots fish = emptyTank();
    place(fish[0], 0.0f, 0.0f, -60.0f, 0.0f);
    place(fish[1], 0.5f, 0.0f, -61.0f, 90.0f);
    Random expected = random.fork();
    const int d = expected.next() % 10 + 10;
    avoidOtherFish(fish, 0, random);
    // Fish 0 is nearer the front (z larger): side set, heading toward -x, so the target drops by d.
    EXPECT_EQ(fish[0].targetHeading, -static_cast<float>(d));
    EXPECT_EQ(random.state(), expected.state());
}

TEST(FishAvoidance, CollidingFlagTellsOnlyAboutTheLastSlotTested) {
    Random random;
    FishSlots fish = emptyTank();
    place(fish[0], 0.0f, 0.0f, -60.0f, 0.0f);
    place(fish[1], -1.0f, 0.0f, -60.0f, 0.0f);
    avoidOtherFish(fish, 0, random);
    EXPECT_FALSE(fish[0].colliding); // slot 49 was tested last and is far away
    place(fish[49], -1.0f, 0.0f, -60.0f, 0.0f);
    avoidOtherFish(fish, 0, random);
    EXPECT_TRUE(fish[0].colliding);
}

TEST(FishAvoidance, SlotsThatNeverSwamAreNeverMet) {
    Random random;
    FishSlots fish = emptyTank();
    place(fish[0], 0.0f, 0.0f, -60.0f, 0.0f);
    avoidOtherFish(fish, 0, random);
    for (int j = 1; j < FishSlotCount; ++j)
        EXPECT_FALSE(fish[j].colliding);
    EXPECT_EQ(random.state(), Random().state());
}

TEST(FishSeparation, CloseFishSpreadApartVertically) {
    Random random;
    FishSlots fish = emptyTank();
    FishSnapshots snapshots;
    snapshots.count = 3;
    snapshots.position[0] = Vec3{0, 2, -60};
    snapshots.position[1] = Vec3{1, 0, -61};
    snapshots.position[2] = Vec3{20, 0, -61};
    separateVertically(fish, snapshots, random);
    EXPECT_EQ(fish[0].targetPitch, 1.0f); // the higher of the pair climbs
    EXPECT_EQ(fish[1].targetPitch, 0.0f);
    snapshots.position[0] = Vec3{0, -2, -60};
    separateVertically(fish, snapshots, random);
    EXPECT_EQ(fish[0].targetPitch, 0.0f); // now the lower one: it dives
}

TEST(FishSeparation, NotForFishFiveApart) {
    Random random;
    FishSlots fish = emptyTank();
    FishSnapshots snapshots;
    snapshots.count = 2;
    snapshots.position[0] = Vec3{0, 0, -60};
    snapshots.position[1] = Vec3{0, 0, -65};
    separateVertically(fish, snapshots, random);
    EXPECT_EQ(fish[0].targetPitch, 0.0f);
}

} // namespace
} // namespace quillmere
