#include "scene/frame_blend.h"

#include <gtest/gtest.h>
#include <memory>

namespace quillmere {
namespace {

// Two steps of a small tank: one fish swimming, one turning through north, a bubble rising and one
// starting over, a pellet spinning; the camera and the tint moving.
struct TwoSteps {
    SceneFrame from;
    SceneFrame to;
};

std::unique_ptr<TwoSteps> twoSteps() {
    auto steps = std::make_unique<TwoSteps>();
    SceneFrame& a = steps->from;
    SceneFrame& b = steps->to;
    a.eyeX = -1.0f;
    b.eyeX = 1.0f;
    a.builtInBackdropTint = {true, {0.2f, 0.4f, 0.6f}};
    b.builtInBackdropTint = {true, {0.4f, 0.6f, 0.8f}};
    a.fishCount = b.fishCount = 2;
    a.fish[0].slot = b.fish[0].slot = 3;
    a.fish[0].x = 10.0f;
    b.fish[0].x = 10.2f;
    a.fish[0].heading = 359.0f;
    b.fish[0].heading = 1.0f;
    a.fish[0].tail[4] = 2.0f;
    b.fish[0].tail[4] = 4.0f;
    a.fish[1].slot = b.fish[1].slot = 7;
    a.fish[1].ringAngles[0] = 170.0f;
    b.fish[1].ringAngles[0] = -170.0f;
    a.bubblesDrawn = b.bubblesDrawn = true;
    a.bubbleCount = b.bubbleCount = 2;
    a.bubbles[0] = {0.0f, 1.0f, 0.0f, 1.0f};
    b.bubbles[0] = {0.0f, 1.1f, 0.0f, 1.0f};
    a.bubbles[1] = {0.0f, 3.0f, 0.0f, 1.0f};
    b.bubbles[1] = {0.5f, -1.0f, 0.0f, 1.0f};
    a.pelletCount = b.pelletCount = 1;
    a.pellets[0] = {0, true, 0.0f, 10.0f, 0.0f, 350.0f};
    b.pellets[0] = {0, true, 0.0f, 9.0f, 0.0f, 10.0f};
    return steps;
}

TEST(FrameBlend, HalfwayBetweenTwoStepsEverythingMovesHalfTheWayByTheShorterTurn) {
    const auto steps = twoSteps();
    auto blended = std::make_unique<SceneFrame>();
    blendFrames(steps->from, steps->to, 0.5f, *blended);
    EXPECT_FLOAT_EQ(blended->eyeX, 0.0f);
    EXPECT_FLOAT_EQ(blended->builtInBackdropTint.colour.green, 0.5f);
    EXPECT_FLOAT_EQ(blended->fish[0].x, 10.1f);
    EXPECT_NEAR(blended->fish[0].heading, 360.0f, 1e-4f); // through north, not back through south
    EXPECT_FLOAT_EQ(blended->fish[0].tail[4], 3.0f);
    EXPECT_NEAR(blended->fish[1].ringAngles[0], 180.0f, 1e-4f);
    EXPECT_FLOAT_EQ(blended->bubbles[0].y, 1.05f);
    EXPECT_FLOAT_EQ(blended->pellets[0].dropY, 9.5f);
    EXPECT_NEAR(blended->pellets[0].spinY, 360.0f, 1e-4f);
    // The bubble that started over is at the bottom, not halfway down the tank.
    EXPECT_EQ(blended->bubbles[1].y, -1.0f);
}

TEST(FrameBlend, AtEitherEndTheFrameIsThatStepExactly) {
    const auto steps = twoSteps();
    auto blended = std::make_unique<SceneFrame>();
    for (const float amount : {0.0f, 1.0f}) {
        blendFrames(steps->from, steps->to, amount, *blended);
        const SceneFrame& step = amount == 0.0f ? steps->from : steps->to;
        EXPECT_EQ(blended->eyeX, step.eyeX);
        EXPECT_EQ(blended->fish[0].heading, step.fish[0].heading);
        EXPECT_EQ(blended->fish[1].ringAngles[0], step.fish[1].ringAngles[0]);
        EXPECT_EQ(blended->pellets[0].spinY, step.pellets[0].spinY);
    }
}

TEST(FrameBlend, WhatIsNewInTheLatestStepIsDrawnWhereThatStepHasIt) {
    auto steps = twoSteps();
    SceneFrame& to = steps->to;
    to.fish[0].slot = 4;                   // a fish added in another slot
    to.fish[1].kind = FishKind::Angelfish; // a kind changed in place
    to.pellets[0].dropX = 40.0f;           // a pellet dropped anew where the last one was eaten
    to.builtInBackdropTint.set = true;
    steps->from.builtInBackdropTint.set = false;
    auto blended = std::make_unique<SceneFrame>();
    blendFrames(steps->from, to, 0.5f, *blended);
    EXPECT_EQ(blended->fish[0].x, to.fish[0].x);
    EXPECT_EQ(blended->fish[0].heading, to.fish[0].heading);
    EXPECT_EQ(blended->fish[1].ringAngles[0], to.fish[1].ringAngles[0]);
    EXPECT_EQ(blended->pellets[0].dropY, to.pellets[0].dropY);
    EXPECT_EQ(blended->builtInBackdropTint.colour.red, to.builtInBackdropTint.colour.red);
}

} // namespace
} // namespace quillmere
