#include "fish/fish.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace quillmere {
namespace {

// A fish with fixed starting counters, so tests do not depend on the draws a constructor makes.
Fish calmFish() {
    Fish fish;
    fish.mouthTogglePeriod = 20;
    fish.idleCounter = 0;
    return fish;
}

TEST(FishConstruction, DrawsMouthPeriodThenIdleCounter) {
    Random random;
    Random expected;
    const int period = expected.next() % 20 + 15;
    const int idle = expected.next() % 200;
    const Fish fish(random);
    EXPECT_EQ(fish.mouthTogglePeriod, period);
    EXPECT_EQ(fish.idleCounter, idle);
    EXPECT_EQ(random.state(), expected.state());
    EXPECT_EQ(fish.size, 8);
    EXPECT_TRUE(fish.mouthClosed);
    EXPECT_FLOAT_EQ(fish.speed, 0.1f);
    EXPECT_FALSE(fish.settled);
    EXPECT_EQ(fish.bodyWaveStartRing, 10);
}

TEST(FishBend, UnchangedTargetSettlesIntoAStraightBody) {
    Random random;
    Fish fish = calmFish();
    fish.targetHeading = 40.0f;
    fish.heading = 40.0f;
    std::array<float, RingCount> rings{};
    for (int frame = 0; frame < 6; ++frame)
        fish.ComputeRingAngles(rings, fish.targetHeading, random);
    EXPECT_TRUE(fish.settled);
    for (int i = 0; i < RingCount; ++i)
        EXPECT_FLOAT_EQ(rings[i], 40.0f) << "ring " << i;
}

TEST(FishBend, NinetyDegreeTurnTakes45StepsOneEveryThirdFrame) {
    Random random;
    Fish fish = calmFish();
    fish.targetHeading = 90.0f;
    std::array<float, RingCount> rings{};
    float largestLag = 0.0f;
    for (int frame = 1; frame <= 134; ++frame) {
        fish.ComputeRingAngles(rings, fish.targetHeading, random);
        EXPECT_FALSE(fish.settled) << "frame " << frame;
        EXPECT_FLOAT_EQ(rings[0], fish.heading);
        largestLag = std::max(largestLag, rings[0] - rings[14]);
        EXPECT_LE(rings[0] - rings[14], 14.0f + 1e-4f);
        EXPECT_GE(rings[14], rings[0] - 14.0f - 1e-4f);
    }
    EXPECT_FLOAT_EQ(fish.heading, 88.0f);
    EXPECT_FLOAT_EQ(largestLag, 14.0f);
    fish.ComputeRingAngles(rings, fish.targetHeading, random);
    EXPECT_FLOAT_EQ(fish.heading, 90.0f);
    EXPECT_TRUE(fish.settled);
}

TEST(FishBend, EveryCallDrawsOneDiscardedValueWhileTurning) {
    Random random;
    Fish fish = calmFish();
    fish.targetHeading = 90.0f;
    std::array<float, RingCount> rings{};
    Random expected = random.fork();
    fish.ComputeRingAngles(rings, fish.targetHeading, random);
    expected.next();
    EXPECT_EQ(random.state(), expected.state());
}

TEST(FishBend, RelaxingRingsStepTowardTheTargetThenStop) {
    Random random;
    Fish fish = calmFish();
    fish.heading = 10.0f;
    fish.targetHeading = 10.0f;
    fish.lastTargetHeading = 10.0f;
    fish.settled = true;
    fish.storedRingAngles.fill(0);
    std::array<float, RingCount> rings{};
    for (int frame = 0; frame < 20 && !fish.relaxed; ++frame)
        fish.ComputeRingAngles(rings, fish.targetHeading, random);
    EXPECT_TRUE(fish.relaxed);
    for (int i = 0; i < RingCount; ++i)
        EXPECT_FLOAT_EQ(rings[i], 10.0f);
}

TEST(FishBend, SideWallSnapsHeadingAndRingsToTheTarget) {
    Random random;
    Fish fish = calmFish();
    fish.heading = 0.0f;
    fish.targetHeading = 180.0f;
    fish.wallState = WallState::Left;
    std::array<float, RingCount> rings{};
    fish.ComputeRingAngles(rings, fish.targetHeading, random);
    EXPECT_FLOAT_EQ(fish.heading, 180.0f);
    for (int i = 0; i < RingCount; ++i) {
        EXPECT_FLOAT_EQ(rings[i], 180.0f);
        EXPECT_EQ(fish.storedRingAngles[i], 180);
    }
}

TEST(FishBend, AfterAWallSnapTheBodyKeepsTheTargetInsteadOfFlippingToZero) {
    Random random;
    Fish fish = calmFish();
    fish.heading = 180.0f;
    fish.targetHeading = 180.0f;
    fish.lastTargetHeading = 180.0f;
    fish.settled = false;
    fish.wallState = WallState::None;
    std::array<float, RingCount> rings{};
    fish.ComputeRingAngles(rings, fish.targetHeading, random);
    for (int i = 0; i < RingCount; ++i)
        EXPECT_FLOAT_EQ(rings[i], 180.0f) << "ring " << i;
}

TEST(FishMouth, ClosedJawsAreStillAndOpenJawsGrowTowardTheFront) {
    Random random;
    Fish fish = calmFish();
    std::array<float, 7> lower{};
    std::array<float, 8> upper{};
    fish.mouthClosed = true;
    fish.ComputeLowerJaw(lower);
    fish.ComputeUpperJaw(upper, random);
    for (float v : lower)
        EXPECT_EQ(v, 0.0f);
    for (float v : upper)
        EXPECT_EQ(v, 0.0f);

    fish.mouthClosed = false;
    fish.ComputeLowerJaw(lower);
    fish.ComputeUpperJaw(upper, random);
    EXPECT_FLOAT_EQ(lower[0], 7 * 8 * 0.001f);
    EXPECT_FLOAT_EQ(lower[6], 1 * 8 * 0.001f);
    EXPECT_FLOAT_EQ(upper[0], 8 * 8 * 0.001f);
    EXPECT_FLOAT_EQ(upper[7], 1 * 8 * 0.001f);
}

TEST(FishMouth, TogglesWhenTheCounterPassesThePeriodAndDrawsANewPeriod) {
    Random random;
    Fish fish = calmFish();
    fish.mouthTogglePeriod = 15;
    std::array<float, 8> upper{};
    for (int call = 1; call <= 16; ++call)
        fish.ComputeUpperJaw(upper, random);
    EXPECT_TRUE(fish.mouthClosed);
    Random expected = random.fork();
    fish.ComputeUpperJaw(upper, random); // the 17th call sees old = 16 > 15
    EXPECT_FALSE(fish.mouthClosed);
    EXPECT_EQ(fish.mouthToggleCounter, 0);
    EXPECT_EQ(fish.mouthTogglePeriod, expected.next() % 20 + 15);
    EXPECT_EQ(random.state(), expected.state());
}

TEST(FishGills, FlapNeverLeavesItsLimit) {
    Random random;
    Fish fish = calmFish();
    float value = 0.0f;
    for (int frame = 0; frame < 5000; ++frame) {
        fish.targetPitch = (frame / 300) % 2 == 0 ? 10.0f : -10.0f;
        fish.ComputeGillFlap(value, random);
        ASSERT_GE(value, -0.008f);
        ASSERT_LE(value, 0.008f);
    }
}

TEST(FishGills, StepsWithTheTargetPitchAndDrawsTwice) {
    Random random;
    Fish fish = calmFish();
    fish.targetPitch = 5.0f;
    Random expected = random.fork();
    float want = 0.002f;
    if (expected.next() % 5 == 0)
        want += 0.006f;
    if (expected.next() % 5 == 1)
        want -= 0.006f;
    float value = 0.0f;
    fish.ComputeGillFlap(value, random);
    EXPECT_FLOAT_EQ(value, std::clamp(want, -0.008f, 0.008f));
    EXPECT_EQ(random.state(), expected.state());
}

TEST(FishBodyWave, RingsBeforeTheStartRingNeverSway) {
    Random random;
    Fish fish = calmFish();
    std::array<float, RingCount> wave{};
    for (int frame = 0; frame < 3000; ++frame) {
        fish.ComputeBodyWave(wave, random);
        ASSERT_GE(fish.bodyWaveStartRing, 10);
        ASSERT_LE(fish.bodyWaveStartRing, 14);
        for (int i = 0; i < fish.bodyWaveStartRing; ++i)
            ASSERT_EQ(wave[i], 0.0f);
        for (int i = fish.bodyWaveStartRing; i < RingCount; ++i)
            ASSERT_LE(std::fabs(wave[i]), (i - fish.bodyWaveStartRing) * 0.005f * 8 + 1e-6f);
    }
}

TEST(FishBodyWave, WrapDrawsHoldThenIncrementThenStartRing) {
    Random random;
    Fish fish = calmFish();
    fish.bodyWave.phase = 6.2f;
    fish.bodyWave.counter = 6; // old 6 > hold 5: the phase advances past a full turn now
    Random expected = random.fork();
    const int hold = expected.next() % 10 + 1;
    const float increment = 3.1415925f / static_cast<float>(expected.next() % 10 + 2);
    const int start = expected.next() % 5 + 10;
    std::array<float, RingCount> wave{};
    fish.ComputeBodyWave(wave, random);
    EXPECT_EQ(fish.bodyWave.phase, 0.0f);
    EXPECT_EQ(fish.bodyWave.hold, hold);
    EXPECT_FLOAT_EQ(fish.bodyWave.increment, increment);
    EXPECT_EQ(fish.bodyWaveStartRing, start);
    EXPECT_EQ(random.state(), expected.state());
}

TEST(FishFins, PhaseAdvancesEveryHoldPlusTwoFrames) {
    Fish fish = calmFish();
    std::array<float, 20> pectoral{};
    int advances = 0;
    float last = fish.pectoralWave.phase;
    for (int frame = 0; frame < 40; ++frame) {
        fish.ComputePectoralWave(pectoral);
        if (fish.pectoralWave.phase != last)
            ++advances;
        last = fish.pectoralWave.phase;
    }
    EXPECT_EQ(advances, 10); // hold 2: every fourth frame
}

TEST(FishFins, DorsalOfTheDiscusRipplesAFifthAsMuch) {
    Fish plain = calmFish();
    Fish damped = calmFish();
    damped.kind = FishKind::Discus;
    std::array<float, 23> a{};
    std::array<float, 23> b{};
    for (int frame = 0; frame < 5; ++frame) {
        plain.ComputeDorsalWave(a);
        damped.ComputeDorsalWave(b);
    }
    for (int i = 0; i < 23; ++i)
        EXPECT_FLOAT_EQ(b[i], a[i] * 0.2f);
    EXPECT_NE(a[3], 0.0f);
}

TEST(FishFins, TailZeroingPerKind) {
    const auto tailOf = [](FishKind kind) {
        Fish fish = calmFish();
        fish.kind = kind;
        fish.tailWave.phase = 1.0f;
        std::array<float, 25> tail{};
        fish.ComputeTailWave(tail);
        return tail;
    };
    const auto plain = tailOf(FishKind::Neon);
    EXPECT_EQ(plain[0], 0.0f);
    EXPECT_EQ(plain[1], 0.0f);
    EXPECT_FLOAT_EQ(plain[2], static_cast<float>(std::sin(2 * 0.31415924f + 1.0f)) * 8 * 0.03f);

    const auto one = tailOf(FishKind::Clownfish);
    for (int i = 0; i < 25; ++i) {
        if (i < 7 || i > 18)
            EXPECT_EQ(one[i], 0.0f) << i;
        else
            EXPECT_FLOAT_EQ(one[i], plain[i]) << i;
    }
    for (FishKind kind : {FishKind::Tang, FishKind::Rainbowfish, FishKind::RummyNose}) {
        const auto t = tailOf(kind);
        EXPECT_EQ(t[7], 0.0f);
        EXPECT_EQ(t[8], 0.0f);
        EXPECT_EQ(t[9], 0.0f);
        EXPECT_FLOAT_EQ(t[10], plain[10]);
    }
    const auto nine = tailOf(FishKind::Discus);
    EXPECT_EQ(nine[6], 0.0f);
    EXPECT_EQ(nine[7], 0.0f);
    EXPECT_FLOAT_EQ(nine[8], plain[8]);
    const auto ten = tailOf(FishKind::Butterflyfish);
    EXPECT_EQ(ten[11], 0.0f);
    EXPECT_EQ(ten[12], 0.0f);
    EXPECT_FLOAT_EQ(ten[13], plain[13]);
}

TEST(FishFins, PelvicWrapRedrawsHoldAndIncrement) {
    Random random;
    Fish fish = calmFish();
    fish.pelvicWave.phase = 6.1f;
    fish.pelvicWave.counter = 2;
    Random expected = random.fork();
    const int hold = expected.next() % 3;
    const float increment = 3.1415925f / static_cast<float>(expected.next() % 16 + 2);
    std::array<float, 10> pelvic{};
    fish.ComputePelvicWave(pelvic, random);
    EXPECT_EQ(fish.pelvicWave.hold, hold);
    EXPECT_FLOAT_EQ(fish.pelvicWave.increment, increment);
    EXPECT_EQ(pelvic[0], 0.0f); // point 0 has no amplitude
    EXPECT_EQ(random.state(), expected.state());
}

} // namespace
} // namespace quillmere
