#include "fish/feeding.h"
#include "fish/food_pellet.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

// A live pellet whose scene position is already known.
FoodPellet pelletAt(float x, float y, float z) {
    FoodPellet pellet;
    pellet.active = true;
    pellet.alive = 1.0f;
    pellet.x = x;
    pellet.y = y;
    pellet.z = z;
    return pellet;
}

// A fish heading toward -x with its extents computed.
Fish fishAt(float x, float y, float z, float heading = 0.0f) {
    Fish fish;
    fish.SetBounds(-90.0f, 90.0f, 30.0f, -22.0f, -41.0f);
    fish.x = x;
    fish.y = y;
    fish.z = z;
    fish.heading = fish.targetHeading = heading;
    fish.UpdateDirectionFlags();
    fish.UpdateExtents();
    return fish;
}

TEST(FoodPellet, InitialisationDrawsElevenValuesInOrder) {
    Random random;
    Random expected;
    const int a = expected.next();
    const int b = expected.next();
    const int c = expected.next();
    const int d = expected.next();
    const int e = expected.next();
    const int f = expected.next();
    const int g1 = expected.next();
    const int g2 = expected.next();
    const int g3 = expected.next();
    const int g4 = expected.next();
    const int s = expected.next();
    FoodPellet pellet;
    pellet.Initialize(random);
    EXPECT_FLOAT_EQ(pellet.offsetX, static_cast<float>(a - b) * 0.000042115542f);
    EXPECT_EQ(pellet.offsetY, 1.0f);
    EXPECT_FLOAT_EQ(pellet.offsetZ, static_cast<float>(c - d) * 0.000011597033f);
    EXPECT_FLOAT_EQ(pellet.spinX, static_cast<float>(e - f) * 0.0054933317f);
    EXPECT_FLOAT_EQ(pellet.spinY, static_cast<float>(g3 - g4) * 0.0054933317f +
                                      static_cast<float>(g1 - g2) * 0.0054933317f);
    EXPECT_FLOAT_EQ(pellet.sinkSpeed, static_cast<float>(s % 10) * 0.0005f + 0.005f);
    EXPECT_EQ(pellet.alive, 1.0f);
    EXPECT_FALSE(pellet.active);
    EXPECT_EQ(pellet.dropZ, -70.0f);
    EXPECT_EQ(random.state(), expected.state());
}

TEST(FoodPellet, SinksSpinningAndVanishesWhenItSettles) {
    Random random;
    FoodPellet pellet;
    pellet.Drop(3.0f, 4.0f, -50.0f, random);
    pellet.active = true;
    const float sink = pellet.sinkSpeed;
    ASSERT_GE(sink, 0.005f);
    ASSERT_LE(sink, 0.0095f + 1e-6f);

    PelletDraw first = pellet.Step(0, random);
    EXPECT_TRUE(first.visible);
    EXPECT_FLOAT_EQ(first.offsetY, 0.8f);
    EXPECT_FLOAT_EQ(pellet.y, 4.0f + 1.0f - 0.2f);
    EXPECT_FLOAT_EQ(pellet.offsetY, 1.0f - sink);
    EXPECT_FLOAT_EQ(pellet.spinY, first.spinY + 2.0f);

    int frames = 1;
    while (pellet.active && frames < 20000) {
        pellet.Step(0, random);
        ++frames;
    }
    EXPECT_FALSE(pellet.active);
    EXPECT_EQ(pellet.offsetY, -40.0f);
    EXPECT_EQ(pellet.alive, 0.0f);
    // About 41 units at its sinking speed, plus the settling frame and the freeing frame.
    EXPECT_NEAR(frames, 41.0f / sink + 2.0f, 2.0f);
}

TEST(FoodPellet, EatenPelletIsFreedAtItsNextStepWithTheMotionDraws) {
    Random random;
    FoodPellet pellet;
    pellet.Drop(0.0f, 0.0f, -50.0f, random);
    pellet.active = true;
    pellet.alive = 0.0f;
    Random expected = random.fork();
    expected.next();
    expected.next();
    expected.next();
    expected.next();
    const PelletDraw draw = pellet.Step(0, random);
    EXPECT_FALSE(draw.visible);
    EXPECT_FALSE(pellet.active);
    EXPECT_EQ(random.state(), expected.state());
}

TEST(PelletDropper, FirstDropOnTheFirstFrameThenEvery501) {
    Random random;
    PelletSlots pellets{};
    PelletDropper dropper;
    Random expected = random.fork();
    const int r1 = expected.next();
    const int r2 = expected.next();
    const int r3 = expected.next();
    dropper.Step(pellets, random);
    ASSERT_TRUE(pellets[0].active);
    EXPECT_EQ(pellets[0].dropX, static_cast<float>(r3 % 2 == 0 ? -(r1 % 10) : r1 % 10));
    EXPECT_EQ(pellets[0].dropY, static_cast<float>(r2 % 10));
    EXPECT_EQ(pellets[0].dropZ, -50.0f);
    EXPECT_FALSE(pellets[1].active);

    const std::uint32_t afterFirst = random.state();
    for (int frame = 2; frame <= 501; ++frame)
        dropper.Step(pellets, random);
    EXPECT_EQ(random.state(), afterFirst);
    EXPECT_FALSE(pellets[1].active);
    dropper.Step(pellets, random); // frame 502
    EXPECT_TRUE(pellets[1].active);
}

TEST(PelletDropper, FullSlotsDropNothingButStillDrawThePlace) {
    Random random;
    PelletSlots pellets{};
    for (FoodPellet& p : pellets) {
        p.active = true;
        p.dropX = 1.0f;
    }
    PelletDropper dropper;
    Random expected = random.fork();
    for (int i = 0; i < 3; ++i)
        expected.next();
    dropper.Step(pellets, random);
    EXPECT_EQ(random.state(), expected.state());
    for (const FoodPellet& p : pellets)
        EXPECT_EQ(p.dropX, 1.0f);
}

TEST(PelletDropper, FreedSlotIsReusedLowestFirst) {
    Random random;
    PelletSlots pellets{};
    for (FoodPellet& p : pellets)
        p.active = true;
    pellets[6].active = false;
    pellets[3].active = false;
    PelletDropper dropper;
    dropper.Step(pellets, random);
    EXPECT_TRUE(pellets[3].active);
    EXPECT_FALSE(pellets[6].active);
}

TEST(PitchAmount, QuadrantsAndAxes) {
    EXPECT_EQ(pitchAmountTo(0.0f, 0.0f), 0.0f);
    EXPECT_EQ(pitchAmountTo(0.0f, -5.0f), 270.0f);
    EXPECT_EQ(pitchAmountTo(0.0f, 5.0f), 90.0f);
    EXPECT_EQ(pitchAmountTo(5.0f, 0.0f), 0.0f);
    EXPECT_EQ(pitchAmountTo(-5.0f, 0.0f), 180.0f);
    EXPECT_EQ(pitchAmountTo(1.0f, 2.0f), 63.0f); // atan 2 = 63.43 degrees
    EXPECT_EQ(pitchAmountTo(-1.0f, 2.0f), 27.0f);
    EXPECT_EQ(pitchAmountTo(1.0f, -2.0f), 27.0f);
    EXPECT_EQ(pitchAmountTo(2.0f, 2.0f), 45.0f);
}

TEST(YawAmount, LineUpAndSquareOn) {
    const Fish fish = fishAt(10.0f, 0.0f, -60.0f);
    EXPECT_NEAR(yawAmountTo(fish, pelletAt(0.0f, 0.0f, -60.0f)), 0.0f, 1e-4f);
    EXPECT_NEAR(yawAmountTo(fish, pelletAt(10.0f, 0.0f, -50.0f)), 90.0f, 0.01f);
    EXPECT_NEAR(yawAmountTo(fish, pelletAt(0.0f, 0.0f, -50.0f)), 45.0f, 0.01f);
}

TEST(Attraction, PelletStraightAheadSlowsTheFishAndAskedPitchAbove90IsRefused) {
    Random random;
    PelletSlots pellets{};
    pellets[0] = pelletAt(0.0f, -5.0f, -60.0f); // straight below the origin: pitch amount 270
    Fish fish = fishAt(2.0f, -5.0f, -60.0f);
    fish.targetPitch = 4.0f;
    fish.speed = 0.2f;
    attractToFood(fish, pellets, random);
    EXPECT_TRUE(fish.attracted);
    EXPECT_EQ(fish.targetPitch, 4.0f);
    EXPECT_EQ(fish.targetHeading, 0.0f);
    // 0.2 toward 0.1, then near the pellet toward 0.05.
    EXPECT_NEAR(fish.speed, 0.05f, 1e-6f);
}

TEST(Attraction, ClimbsTowardAPelletAboveInLine) {
    Random random;
    PelletSlots pellets{};
    pellets[0] = pelletAt(4.0f, 6.0f, -60.0f); // pitch amount trunc(atan(1.5)) = 56
    Fish fish = fishAt(14.0f, 0.0f, -60.0f);
    attractToFood(fish, pellets, random);
    EXPECT_EQ(fish.targetPitch, 45.0f); // 56 clamped
}

TEST(Attraction, TurnsTowardAPelletAheadAtAnAngle) {
    Random random;
    PelletSlots pellets{};
    pellets[0] = pelletAt(0.0f, 0.0f, -50.0f);
    Fish fish = fishAt(10.0f, 0.0f, -60.0f); // heading toward -x; the pellet lies 45 degrees toward +z
    attractToFood(fish, pellets, random);
    // head z (-60) is not beyond the pellet's z: side clear, toward -x, so the target grows by 44 or 45.
    EXPECT_GE(fish.targetHeading, 44.0f);
    EXPECT_LE(fish.targetHeading, 45.0f);
}

TEST(Attraction, OutOfReachLeavesTheFishAlone) {
    Random random;
    PelletSlots pellets{};
    pellets[0] = pelletAt(-30.0f, 0.0f, -60.0f);
    Fish fish = fishAt(0.0f, 0.0f, -60.0f);
    fish.attracted = true;
    attractToFood(fish, pellets, random);
    EXPECT_FALSE(fish.attracted);
    EXPECT_NEAR(fish.speed, 0.1f, 1e-6f);
}

TEST(Attraction, InactivePelletsAreIgnored) {
    Random random;
    PelletSlots pellets{};
    pellets[0] = pelletAt(0.0f, 0.0f, -60.0f);
    pellets[0].active = false;
    Fish fish = fishAt(1.0f, 0.0f, -60.0f);
    attractToFood(fish, pellets, random);
    EXPECT_FALSE(fish.attracted);
}

TEST(PullAndEat, NearPelletDriftsTowardTheMouth) {
    PelletSlots pellets{};
    const Fish fish = fishAt(10.0f, 0.0f, -60.0f);
    pellets[0] = pelletAt(fish.head.x - 2.5f, 1.0f, -60.0f);
    pullAndEat(fish, pellets);
    EXPECT_FLOAT_EQ(pellets[0].offsetX, 2.5f * 0.005f);
    EXPECT_FLOAT_EQ(pellets[0].offsetY, -1.0f * 0.005f);
    EXPECT_EQ(pellets[0].alive, 1.0f);
}

TEST(PullAndEat, PelletAtTheMouthIsEatenAndStaysInItsSlotUntilItsNextStep) {
    Random random;
    PelletSlots pellets{};
    const Fish fish = fishAt(10.0f, 0.0f, -60.0f);
    pellets[0] = pelletAt(fish.head.x - 1.0f, 0.5f, -62.0f);
    pullAndEat(fish, pellets);
    EXPECT_EQ(pellets[0].alive, 0.0f);
    EXPECT_TRUE(pellets[0].active);
    const PelletDraw draw = pellets[0].Step(0, random);
    EXPECT_FALSE(draw.visible);
    EXPECT_FALSE(pellets[0].active);
}

TEST(PullAndEat, DepthDecidesBetweenPullingAndEating) {
    PelletSlots pellets{};
    const Fish fish = fishAt(10.0f, 0.0f, -60.0f);
    pellets[0] = pelletAt(fish.head.x, 0.0f, -67.0f); // |dz| 7: pulled, not eaten
    pellets[1] = pelletAt(fish.head.x, 0.0f, -71.0f); // |dz| 11: out of reach
    pullAndEat(fish, pellets);
    EXPECT_EQ(pellets[0].alive, 1.0f);
    EXPECT_EQ(pellets[1].alive, 1.0f);
    EXPECT_EQ(pellets[1].offsetX, 0.0f);
}

} // namespace
} // namespace quillmere
