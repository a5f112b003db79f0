#include "scene/bubble_system.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillmere {
namespace {

using Sprites = std::array<BubbleSprite, MaxParticles>;

TEST(BubbleSystem, InitialisationSeedsEachParticleWithTwelveDraws) {
    Random random;
    Random expected;
    BubbleSystem bubbles;
    ASSERT_TRUE(bubbles.Initialize(1000, random));
    for (int i = 0; i < 1000; ++i) {
        const float x = static_cast<float>(expected.next() % 9) * 0.001f;
        const float y = static_cast<float>(expected.next() % 9) * 0.005f - 1.0f;
        const float z = static_cast<float>(expected.next() % 6) * 0.005f;
        const int a = expected.next() % 9000;
        const int b = expected.next() % 9000;
        const float vy = static_cast<float>(expected.next() % 9000) * 0.0000042f;
        const float vz = static_cast<float>(expected.next() % 9000) * 0.000001f;
        const float size = static_cast<float>(expected.next() % 10 + 1) * 0.05f;
        const float fade = static_cast<float>(expected.next() % 50) * 0.05f;
        expected.next();
        expected.next();
        expected.next();
        const Particle& p = bubbles.particle(i);
        ASSERT_EQ(p.x, x);
        ASSERT_EQ(p.y, y);
        ASSERT_EQ(p.z, z);
        ASSERT_EQ(p.vx, static_cast<float>(a - b) * 0.000003f);
        ASSERT_EQ(p.vy, vy);
        ASSERT_EQ(p.vz, vz);
        ASSERT_EQ(p.ay, 0.002f);
        ASSERT_EQ(p.life, 200.0f);
        ASSERT_EQ(p.size, size);
        ASSERT_EQ(p.fade, fade);
    }
    EXPECT_EQ(random.state(), expected.state());
}

TEST(BubbleSystem, RenderJittersThenSteps) {
    Random random;
    BubbleSystem bubbles;
    ASSERT_TRUE(bubbles.Initialize(1000, random));
    const Particle before = bubbles.particle(0);
    const Particle untouched = bubbles.particle(1);
    Random expected = random;
    const int jx = expected.next() % 20;
    const int jz = expected.next() % 20;
    Sprites sprites{};
    EXPECT_EQ(bubbles.step(1, random, sprites), 1);
    EXPECT_FLOAT_EQ(sprites[0].x, before.x + static_cast<float>(jx) * 0.01f);
    EXPECT_FLOAT_EQ(sprites[0].z, before.z + static_cast<float>(jz) * 0.01f);
    EXPECT_EQ(sprites[0].y, before.y);
    EXPECT_EQ(sprites[0].size, before.size);
    const Particle& after = bubbles.particle(0);
    EXPECT_FLOAT_EQ(after.y, before.y + before.vy);
    EXPECT_FLOAT_EQ(after.vy, before.vy + 0.002f);
    EXPECT_FLOAT_EQ(after.life, 200.0f - before.fade);
    EXPECT_EQ(bubbles.particle(1).y, untouched.y); // beyond the count of 1
    EXPECT_EQ(random.state(), expected.state());
}

TEST(BubbleSystem, CountFollowsTheSettingAndParticlesBeyondItResume) {
    Random random;
    BubbleSystem bubbles;
    ASSERT_TRUE(bubbles.Initialize(1000, random));
    Sprites sprites{};
    bubbles.step(900, random, sprites); // "QIPAONUM" 100
    const Particle held = bubbles.particle(500);
    const Particle moving = bubbles.particle(50);
    bubbles.step(100, random, sprites); // "QIPAONUM" 900
    bubbles.step(100, random, sprites);
    EXPECT_EQ(bubbles.particle(500).y, held.y);
    EXPECT_EQ(bubbles.particle(500).life, held.life);
    EXPECT_NE(bubbles.particle(50).y, moving.y);
    bubbles.step(900, random, sprites);
    EXPECT_NE(bubbles.particle(500).y, held.y);
}

TEST(BubbleSystem, SettingOf1000DrawsAndMovesNothing) {
    Random random;
    BubbleSystem bubbles;
    ASSERT_TRUE(bubbles.Initialize(1000, random));
    const std::uint32_t before = random.state();
    const Particle p = bubbles.particle(0);
    Sprites sprites{};
    EXPECT_EQ(bubbles.step(0, random, sprites), 0);
    EXPECT_EQ(bubbles.step(-5, random, sprites), 0);
    EXPECT_EQ(random.state(), before);
    EXPECT_EQ(bubbles.particle(0).y, p.y);
}

TEST(BubbleSystem, NegativeSettingIsLimitedToThePool) {
    Random random;
    BubbleSystem bubbles;
    ASSERT_TRUE(bubbles.Initialize(1000, random));
    Sprites sprites{};
    EXPECT_EQ(bubbles.step(1000 - (-200), random, sprites), 1000);
    EXPECT_EQ(bubbles.count(), 1000);
}

TEST(BubbleSystem, AfterAFailedInitialisationNothingIsDrawnOrMoved) {
    Random random;
    BubbleSystem bubbles;
    EXPECT_FALSE(bubbles.Initialize(1001, random));
    EXPECT_FALSE(bubbles.hasParticles());
    EXPECT_EQ(random.state(), Random().state());
    Sprites sprites{};
    EXPECT_EQ(bubbles.step(900, random, sprites), 0);
    bubbles.Update(random);
    EXPECT_EQ(random.state(), Random().state());
}

TEST(BubbleSystem, FadeZeroNeverDiesAndRebornKeepsItsSize) {
    Random random;
    BubbleSystem bubbles;
    ASSERT_TRUE(bubbles.Initialize(1000, random));
    int immortal = -1;
    int shortLived = -1;
    for (int i = 0; i < 1000; ++i) {
        if (bubbles.particle(i).fade == 0.0f && immortal < 0)
            immortal = i;
        if (bubbles.particle(i).fade > 2.4f && shortLived < 0)
            shortLived = i;
    }
    ASSERT_GE(immortal, 0);
    ASSERT_GE(shortLived, 0);
    const float size = bubbles.particle(shortLived).size;
    Sprites sprites{};
    float lastY = bubbles.particle(immortal).y;
    bool reborn = false;
    for (int step = 0; step < 500; ++step) {
        const float lifeBefore = bubbles.particle(shortLived).life;
        bubbles.step(1000, random, sprites);
        const Particle& p = bubbles.particle(immortal);
        ASSERT_EQ(p.life, 200.0f);
        ASSERT_GT(p.y, lastY);
        lastY = p.y;
        if (bubbles.particle(shortLived).life > lifeBefore) {
            reborn = true;
            EXPECT_EQ(bubbles.particle(shortLived).size, size);
            EXPECT_EQ(bubbles.particle(shortLived).life, 200.0f);
            EXPECT_LE(bubbles.particle(shortLived).z, 0.009f + 1e-6f);
        }
    }
    EXPECT_TRUE(reborn);
    EXPECT_GT(lastY, 100.0f); // about 0.001 x steps squared
}

TEST(BubbleSystem, RebirthDrawsElevenValues) {
    Random random;
    BubbleSystem bubbles;
    ASSERT_TRUE(bubbles.Initialize(1, random));
    // Run particle 0 down to its last step without rebirths disturbing the count of draws.
    if (bubbles.particle(0).fade == 0.0f)
        GTEST_SKIP() << "particle 0 never dies with this generator";
    int steps = 0;
    while (bubbles.particle(0).life - bubbles.particle(0).fade > 0.0f) {
        bubbles.Update(random);
        ++steps;
    }
    Random expected = random;
    const float x = static_cast<float>(expected.next() % 9) * 0.001f;
    const float y = static_cast<float>(expected.next() % 9) * 0.005f - 1.0f;
    const float z = static_cast<float>(expected.next() % 9000) * 0.000001f;
    const int a = expected.next() % 9000;
    const int b = expected.next() % 9000;
    const float vy = static_cast<float>(expected.next() % 9000) * 0.0000042f;
    const float vz = static_cast<float>(expected.next() % 90000) * 0.000001f;
    const float fade = static_cast<float>(expected.next() % 50) * 0.05f;
    for (int i = 0; i < 3; ++i)
        expected.next();
    bubbles.Update(random);
    const Particle& p = bubbles.particle(0);
    EXPECT_EQ(p.x, x);
    EXPECT_EQ(p.y, y);
    EXPECT_EQ(p.z, z);
    EXPECT_EQ(p.vx, static_cast<float>(a - b) * 0.000003f);
    EXPECT_EQ(p.vy, vy);
    EXPECT_EQ(p.vz, vz);
    EXPECT_EQ(p.fade, fade);
    EXPECT_EQ(p.life, 200.0f);
    EXPECT_EQ(random.state(), expected.state());
}

} // namespace
} // namespace quillmere
