#include "scene/front_tint.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quillmere {
namespace {

TEST(FrontTint, FixedColourReadsTheWindowsByteOrder) {
    FrontTintState state;
    AquariumSettings settings;
    settings.frontFixed = 1;
    settings.frontColor = 0x00FF8000; // blue 255, green 128, red 0
    const BackdropTint tint = ApplyFrontTint(state, settings);
    EXPECT_TRUE(tint.set);
    EXPECT_EQ(tint.colour.red, 0.0f);
    EXPECT_FLOAT_EQ(tint.colour.green, 128.0f / 255.0f);
    EXPECT_EQ(tint.colour.blue, 1.0f);
}

TEST(FrontTint, NeitherModeLeavesTheColourAlone) {
    FrontTintState state;
    AquariumSettings settings;
    settings.frontFixed = 0;
    settings.frontAutoGradual = 0;
    EXPECT_FALSE(ApplyFrontTint(state, settings).set);
}

TEST(FrontTint, CycleStartsFromTheSavedPhaseReplacesTheFixedColourAndMovesOn) {
    FrontTintState state;
    AquariumSettings settings;
    settings.frontFixed = 1;
    settings.frontColor = 0;
    settings.frontAutoGradual = 1;
    settings.lockFrontPhase = 12.0f;
    const BackdropTint tint = ApplyFrontTint(state, settings);
    EXPECT_FLOAT_EQ(tint.colour.red, static_cast<float>(1.0 - std::cos(0.6)));
    EXPECT_FLOAT_EQ(tint.colour.green, static_cast<float>(1.0 - std::fabs(std::sin(0.48))));
    EXPECT_FLOAT_EQ(tint.colour.blue, static_cast<float>(1.0 - 0.5 * std::cos(12.0 / 17.0)));
    EXPECT_FLOAT_EQ(state.phase, 12.2f);
    settings.lockFrontPhase = 500.0f; // read only on the first use
    ApplyFrontTint(state, settings);
    EXPECT_FLOAT_EQ(state.phase, 12.4f);
}

TEST(FrontTint, OnlyExactlyOneSwitchesTheCycleOn) {
    FrontTintState state;
    AquariumSettings settings;
    settings.frontFixed = 0;
    settings.frontAutoGradual = 2;
    EXPECT_FALSE(ApplyFrontTint(state, settings).set);
    EXPECT_FALSE(state.started);
}

TEST(FrontTint, LockHoldsThePhaseAndItWrapsPast10000) {
    FrontTintState state;
    AquariumSettings settings;
    settings.frontAutoGradual = 1;
    settings.lockFront = 1;
    settings.lockFrontPhase = 10000.0f;
    ApplyFrontTint(state, settings);
    EXPECT_EQ(state.phase, 10000.0f);
    settings.lockFront = 0;
    ApplyFrontTint(state, settings);
    EXPECT_EQ(state.phase, 0.0f);
}

TEST(FrontTint, TheDialogResumesACycleNotYetRunAndNeverRewindsARunningOne) {
    AquariumSettings settings;
    settings.frontAutoGradual = 1;
    settings.lockFrontPhase = 0.0f; // a dialog's save leaves 0 in the record
    FrontTintState idle;
    EXPECT_FLOAT_EQ(savedFrontTintPhase(idle, settings), 0.0f);
    resumeFrontTint(idle, 123.5f);
    EXPECT_FLOAT_EQ(savedFrontTintPhase(idle, settings), 123.5f);
    ApplyFrontTint(idle, settings);
    EXPECT_FLOAT_EQ(idle.phase, 123.7f) << "the cycle went on from the stored phase, not from the record";

    FrontTintState running;
    ApplyFrontTint(running, settings);
    resumeFrontTint(running, 500.0f);
    EXPECT_FLOAT_EQ(savedFrontTintPhase(running, settings), 0.2f);
}

} // namespace
} // namespace quillmere
