#include "fish/fish.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace quillmere {
namespace {

// A fish inside the standard tank bounds, swimming straight toward -x.
Fish tankFish(float x, float y, float z) {
    Fish fish;
    fish.SetBounds(-90.0f, 90.0f, 30.0f, -22.0f, -41.0f);
    fish.idleCounter = 0;
    fish.x = x;
    fish.y = y;
    fish.z = z;
    return fish;
}

TEST(FishBounds, SetBoundsDerivesTheSwimmingBoxAndClearsTheExtents) {
    Fish fish;
    fish.box.maxX = 3.0f;
    fish.paddedBox.minZ = -4.0f;
    fish.head = Vec3{1, 2, 3};
    fish.tail = Vec3{4, 5, 6};
    fish.colliding = true;
    fish.wallState = WallState::Upper;
    fish.SetBounds(-90.0f, 90.0f, 30.0f, -22.0f, -41.0f);
    EXPECT_EQ(fish.leftBound, -90.0f);
    EXPECT_EQ(fish.rightBound, 90.0f);
    EXPECT_EQ(fish.upperBound, 40.0f);
    EXPECT_EQ(fish.lowerBound, -17.0f);
    EXPECT_EQ(fish.nearZBound, -41.0f);
    EXPECT_EQ(fish.wallState, WallState::None);
    EXPECT_FALSE(fish.colliding);
    EXPECT_EQ(fish.box.maxX, 0.0f);
    EXPECT_EQ(fish.paddedBox.minZ, 0.0f);
    EXPECT_EQ(fish.head.z, 0.0f);
    EXPECT_EQ(fish.tail.x, 0.0f);
}

TEST(FishSpeed, ApproachOvershootsAndStepsBack) {
    Fish slow;
    slow.speed = 0.05f;
    slow.ApproachSpeed(0.1f, 0.1f);
    EXPECT_NEAR(slow.speed, 0.05f, 1e-6f);

    Fish fast;
    fast.speed = 0.2f;
    fast.ApproachSpeed(0.1f, 0.1f);
    EXPECT_NEAR(fast.speed, 0.1f, 1e-6f);
}

TEST(FishSpeed, StaysWithinLimitsUnderEveryTarget) {
    for (float target : {-1.0f, 0.0f, 0.05f, 0.1f, 0.2f, 0.4f, 5.0f}) {
        for (float step : {0.01f, 0.05f, 0.1f, 1.0f}) {
            Fish fish;
            for (int call = 0; call < 50; ++call) {
                fish.ApproachSpeed(step, target);
                ASSERT_GE(fish.speed, 0.05f);
                ASSERT_LE(fish.speed, 0.2f);
            }
        }
    }
    Fish idle;
    idle.speed = 0.05f;
    for (int change = 0; change < 3; ++change)
        idle.ApproachSpeed(0.05f, 0.4f);
    EXPECT_FLOAT_EQ(idle.speed, 0.2f);
}

TEST(FishTurns, DirectionFlagsFollowTheHeadingQuadrants) {
    Fish fish;
    const auto flagsAt = [&](float heading) {
        fish.heading = heading;
        fish.targetHeading = heading;
        fish.UpdateDirectionFlags();
        return fish.current;
    };
    EXPECT_TRUE(flagsAt(0.0f).towardMinusX);
    EXPECT_TRUE(flagsAt(0.0f).towardPlusZ);
    EXPECT_TRUE(flagsAt(90.0f).towardMinusX);
    EXPECT_TRUE(flagsAt(91.0f).towardPlusX);
    EXPECT_TRUE(flagsAt(180.0f).towardPlusZ);
    EXPECT_TRUE(flagsAt(181.0f).towardMinusZ);
    EXPECT_TRUE(flagsAt(270.0f).towardMinusX);
    EXPECT_TRUE(flagsAt(-45.0f).towardMinusX);
    EXPECT_TRUE(flagsAt(-45.0f).towardMinusZ);
    EXPECT_TRUE(flagsAt(-100.0f).towardPlusX);
    EXPECT_TRUE(flagsAt(-200.0f).towardPlusZ);
    EXPECT_TRUE(flagsAt(-300.0f).towardMinusX);
    fish.pitch = 3.0f;
    fish.targetPitch = -3.0f;
    fish.UpdateDirectionFlags();
    EXPECT_TRUE(fish.current.pitchUp);
    EXPECT_FALSE(fish.current.pitchDown);
    EXPECT_TRUE(fish.target.pitchDown);
}

TEST(FishTurns, TurnRequestedWhileTurningIsIgnored) {
    Random random;
    Fish fish;
    fish.heading = 0.0f;
    fish.targetHeading = 30.0f;
    const std::uint32_t before = random.state();
    for (YawRule rule : {YawRule::Random, YawRule::Reverse, YawRule::WallNudge, YawRule::SideStep,
                         YawRule::TurnAway, YawRule::ByAmount}) {
        fish.TurnYaw(20.0f, true, rule, random);
        EXPECT_EQ(fish.targetHeading, 30.0f);
    }
    EXPECT_EQ(random.state(), before);
}

TEST(FishTurns, ReverseAddsOrTakesHalfATurn) {
    Random random;
    Fish fish;
    fish.heading = fish.targetHeading = 100.0f;
    fish.TurnYaw(0.0f, false, YawRule::Reverse, random);
    EXPECT_EQ(fish.targetHeading, 280.0f);
    fish.heading = fish.targetHeading = 200.0f;
    fish.TurnYaw(0.0f, false, YawRule::Reverse, random);
    EXPECT_EQ(fish.targetHeading, 20.0f);
}

TEST(FishTurns, RandomTurnDiscardsOneDrawAndUsesTheNext) {
    Random random;
    Random expected;
    expected.next();
    const int r = expected.next() % 170;
    Fish fish;
    fish.heading = fish.targetHeading = 10.0f;
    fish.TurnYaw(0.0f, false, YawRule::Random, random);
    EXPECT_EQ(fish.targetHeading, 10.0f + static_cast<float>(r));
    EXPECT_EQ(random.state(), expected.state());
}

TEST(FishTurns, ByAmountTurnsWithTheSideAndHeadingAndClamps) {
    Random random;
    Fish fish;
    fish.heading = fish.targetHeading = 10.0f;
    fish.UpdateDirectionFlags(); // toward -x
    fish.TurnYaw(25.7f, true, YawRule::ByAmount, random);
    EXPECT_EQ(fish.targetHeading, -15.0f);
    fish.heading = fish.targetHeading = 350.0f;
    fish.UpdateDirectionFlags(); // toward -x
    fish.TurnYaw(-30.0f, false, YawRule::ByAmount, random);
    EXPECT_EQ(fish.targetHeading, 360.0f); // 380 clamped
}

TEST(FishTurns, PitchByAmountRefusesBeyondNinety) {
    Random random;
    Fish fish;
    fish.targetPitch = 5.0f;
    fish.TurnPitch(270.0f, false, PitchRule::ByAmount, random);
    EXPECT_EQ(fish.targetPitch, 5.0f);
    fish.TurnPitch(30.0f, true, PitchRule::ByAmount, random);
    EXPECT_EQ(fish.targetPitch, 35.0f);
    fish.TurnPitch(30.0f, true, PitchRule::ByAmount, random);
    EXPECT_EQ(fish.targetPitch, 45.0f); // 65 clamped
}

TEST(FishTurns, PitchBounceAndRandom) {
    Random random;
    Fish fish;
    fish.targetPitch = 20.0f;
    fish.TurnPitch(0.0f, false, PitchRule::Bounce, random);
    EXPECT_EQ(fish.targetPitch, -20.0f);
    Random expected = random.fork();
    const int d = expected.next() % 15 + 15;
    fish.TurnPitch(0.0f, false, PitchRule::Random, random);
    EXPECT_EQ(fish.targetPitch, std::clamp(-20.0f + static_cast<float>(d), -45.0f, 45.0f));
}

TEST(FishMove, CrossingTheLeftWallTurnsTheFishAround) {
    Random random;
    Fish fish = tankFish(-89.95f, 0.0f, -60.0f);
    fish.settled = true;
    fish.relaxed = true;
    fish.Move(random);
    EXPECT_FLOAT_EQ(fish.x, -88.0f);
    EXPECT_EQ(fish.wallState, WallState::Left);
    EXPECT_EQ(fish.targetHeading, 180.0f);

    // Next frame the bend snaps the body to the new heading and the fish swims away from the wall.
    FishPose pose;
    fish.Advance(FishKind::Neon, random, pose);
    EXPECT_EQ(fish.heading, 180.0f);
    for (float ring : pose.ringAngles)
        EXPECT_EQ(ring, 180.0f);
    EXPECT_GT(fish.x, -88.0f);
}

TEST(FishMove, WallStateHoldsTheFishWhileItIsStillFarFromItsTarget) {
    Random random;
    Fish fish = tankFish(-88.0f, 0.0f, -60.0f);
    fish.heading = 0.0f;
    fish.targetHeading = 180.0f;
    fish.wallState = WallState::Left;
    fish.Move(random);
    EXPECT_EQ(fish.x, -88.0f);
    EXPECT_EQ(fish.wallState, WallState::Left);
}

TEST(FishMove, SurfaceBounceNegatesTheTargetPitchAndSlows) {
    Random random;
    Fish fish = tankFish(0.0f, 39.99f, -60.0f);
    fish.targetPitch = 20.0f;
    fish.speed = 0.2f;
    fish.Move(random);
    EXPECT_EQ(fish.y, 40.0f);
    EXPECT_EQ(fish.targetPitch, -20.0f);
    EXPECT_EQ(fish.wallState, WallState::Upper);
    EXPECT_NEAR(fish.speed, 0.1f, 1e-6f);
}

TEST(FishMove, FloorBounce) {
    Random random;
    Fish fish = tankFish(0.0f, -16.99f, -60.0f);
    fish.targetPitch = -30.0f;
    fish.Move(random);
    EXPECT_EQ(fish.y, -17.0f);
    EXPECT_EQ(fish.targetPitch, 30.0f);
    EXPECT_EQ(fish.wallState, WallState::Lower);
}

TEST(FishMove, SlowsNearTheFarAndNearWalls) {
    Random random;
    Fish far = tankFish(0.0f, 0.0f, -75.0f);
    far.speed = 0.2f;
    far.Move(random);
    EXPECT_NEAR(far.speed, 0.19f, 1e-6f);

    Fish nearWall = tankFish(0.0f, 0.0f, -45.0f);
    nearWall.speed = 0.2f;
    nearWall.Move(random);
    EXPECT_NEAR(nearWall.speed, 0.19f, 1e-6f);

    Fish middle = tankFish(0.0f, 0.0f, -60.0f);
    middle.speed = 0.2f;
    middle.Move(random);
    EXPECT_EQ(middle.speed, 0.2f);
}

TEST(FishMove, NearWallNudgesTheTargetAndHoldsZ) {
    Random random;
    Fish fish = tankFish(0.0f, 0.0f, -41.0f);
    fish.heading = fish.targetHeading = 45.0f; // toward -x and +z
    Random expected = random.fork();
    const int d = expected.next() % 15;
    fish.Move(random);
    EXPECT_EQ(fish.z, -41.0f);
    EXPECT_EQ(fish.wallState, WallState::Near);
    EXPECT_EQ(fish.targetHeading, 45.0f - static_cast<float>(d));
    EXPECT_EQ(random.state(), expected.state());
}

TEST(FishMove, ClimbFollowsTheTargetPitch) {
    Random random;
    Fish fish = tankFish(0.0f, 0.0f, -60.0f);
    fish.pitch = 0.0f;
    fish.targetPitch = 30.0f;
    fish.speed = 0.1f;
    fish.Move(random);
    EXPECT_NEAR(fish.y, 0.05f, 1e-6f);
    EXPECT_NEAR(fish.x, -0.1f, 1e-6f);
}

TEST(FishIdle, SkippedWhileAttractedOrColliding) {
    Random random;
    Fish fish = tankFish(0.0f, 0.0f, -50.0f);
    fish.idleCounter = 500;
    fish.attracted = true;
    fish.IdleChange(random);
    fish.attracted = false;
    fish.colliding = true;
    fish.IdleChange(random);
    EXPECT_EQ(fish.idleCounter, 500);
    EXPECT_EQ(random.state(), Random().state());
}

TEST(FishIdle, ChangeDrawsCounterSpeedPitchAndOneMoreAndLeavesTheMouth) {
    Random random;
    Fish fish = tankFish(0.0f, 0.0f, -50.0f); // outside both turning bands
    fish.idleCounter = 201;
    fish.mouthClosed = false;
    Random expected = random.fork();
    const int counter = expected.next() % 100;
    const float wanted = static_cast<float>(expected.next() % 4 + 1) * 0.1f;
    Fish reference;
    reference.ApproachSpeed(0.05f, wanted);
    const int pitchTurn = expected.next() % 15 + 15;
    expected.next();
    fish.IdleChange(random);
    EXPECT_EQ(fish.idleCounter, counter);
    EXPECT_FLOAT_EQ(fish.speed, reference.speed);
    EXPECT_EQ(fish.targetPitch, static_cast<float>(pitchTurn));
    EXPECT_FALSE(fish.mouthClosed);
    EXPECT_EQ(random.state(), expected.state());
}

TEST(FishIdle, NothingBeforeTheCounterPasses200) {
    Random random;
    Fish fish = tankFish(0.0f, 0.0f, -50.0f);
    fish.idleCounter = 200;
    fish.IdleChange(random);
    EXPECT_EQ(fish.idleCounter, 201);
    EXPECT_EQ(random.state(), Random().state());
}

TEST(FishExtents, StraightFishAlongX) {
    Fish fish = tankFish(10.0f, 5.0f, -60.0f);
    fish.UpdateDirectionFlags();
    fish.UpdateExtents();
    const float g = 8 * 0.64383f / 2;
    const float halfWidth = 8 * 0.181513f / 2;
    EXPECT_NEAR(fish.head.x, 10.0f - g, 1e-5f);
    EXPECT_NEAR(fish.tail.x, 10.0f + g, 1e-5f);
    EXPECT_NEAR(fish.head.y, 5.0f, 1e-5f);
    EXPECT_NEAR(fish.box.maxX, 10.0f + g, 1e-5f);
    EXPECT_NEAR(fish.box.minY, 5.0f - halfWidth, 1e-5f);
    EXPECT_NEAR(fish.box.maxZ, -56.0f, 1e-5f);
    EXPECT_NEAR(fish.paddedBox.maxX, 10.0f + 2 * g, 1e-5f);
    EXPECT_NEAR(fish.paddedBox.maxY, 5.0f + halfWidth + 8 * 0.181513f / 4, 1e-5f);
    EXPECT_NEAR(fish.paddedBox.minZ, -66.0f, 1e-5f);
}

TEST(FishExtents, UseTheTargetAnglesAndTheCurrentFlags) {
    Fish fish = tankFish(0.0f, 0.0f, -60.0f);
    fish.heading = 0.0f; // current flags: toward -x, toward +z
    fish.targetHeading = 90.0f;
    fish.UpdateDirectionFlags();
    fish.UpdateExtents();
    const float g = 8 * 0.64383f / 2;
    EXPECT_NEAR(fish.head.x, 0.0f, 1e-5f);
    EXPECT_NEAR(fish.head.z, -60.0f + g, 1e-5f);
    EXPECT_NEAR(fish.box.maxZ, -60.0f + g, 1e-5f);
}

TEST(FishAdvance, PitchStepsOneDegreeTowardTheTarget) {
    Random random;
    Fish fish = tankFish(0.0f, 0.0f, -60.0f);
    fish.targetPitch = 2.5f;
    FishPose pose;
    fish.Advance(FishKind::Goldfish, random, pose);
    EXPECT_EQ(fish.pitch, 1.0f);
    EXPECT_EQ(pose.pitch, 1.0f);
    EXPECT_EQ(pose.kind, FishKind::Goldfish);
    EXPECT_EQ(fish.kind, FishKind::Goldfish);
    fish.Advance(FishKind::Goldfish, random, pose);
    EXPECT_EQ(fish.pitch, 2.0f);
    fish.Advance(FishKind::Goldfish, random, pose); // climbs to 3, past the target, and steps back to 2
    EXPECT_EQ(fish.pitch, 2.0f);
}

TEST(FishAdvance, PoseKeepsThePlaceTheFishWasDrawnAt) {
    Random random;
    Fish fish = tankFish(5.0f, 1.0f, -60.0f);
    FishPose pose;
    fish.Advance(FishKind::Neon, random, pose);
    EXPECT_EQ(pose.x, 5.0f);
    EXPECT_EQ(pose.y, 1.0f);
    EXPECT_EQ(pose.z, -60.0f);
    EXPECT_LT(fish.x, 5.0f);
}

} // namespace
} // namespace quillmere
