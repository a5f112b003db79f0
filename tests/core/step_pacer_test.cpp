#include "core/draw_rate.h"
#include "core/step_pacer.h"

#include <gtest/gtest.h>
#include <optional>
#include <string_view>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using Us = StepPacer::Duration;

struct PacedRun {
    int frames = 0;
    int steps = 0;
    bool blendsInRange = true;
    bool blendsAdvance = true; // within a step, each frame lies further on than the one before
};

// A display that swaps every `period` (fractions of a microsecond carried, as a real 60 Hz does) for
// one second, each frame asking the pacer first.
PacedRun runDisplay(double periodUs, double seconds = 1.0) {
    StepPacer pacer(20ms);
    PacedRun run;
    float lastBlend = -1.0f;
    for (double at = 0.0; at < seconds * 1e6 - 1.0; at += periodUs) {
        const StepPacer::Frame frame = pacer.frameAt(Us(static_cast<long long>(at)));
        ++run.frames;
        run.steps += frame.step ? 1 : 0;
        run.blendsInRange = run.blendsInRange && frame.blend >= 0.0f && frame.blend <= 1.0f;
        if (!frame.step)
            run.blendsAdvance = run.blendsAdvance && frame.blend > lastBlend;
        lastBlend = frame.blend;
    }
    return run;
}

TEST(StepPacer, DisplaysOfEveryRateGetTheirFramesAndTheTankItsFiftySteps) {
    struct Case {
        double hz;
        int frames;
    };
    for (const Case c :
         {Case{50.0, 50}, Case{60.0, 60}, Case{75.0, 75}, Case{120.0, 120}, Case{144.0, 144}}) {
        const PacedRun run = runDisplay(1e6 / c.hz);
        EXPECT_EQ(run.frames, c.frames) << c.hz;
        EXPECT_EQ(run.steps, 50) << c.hz;
        EXPECT_TRUE(run.blendsInRange) << c.hz;
        EXPECT_TRUE(run.blendsAdvance) << c.hz;
    }
}

TEST(StepPacer, AFrameOnAStepsTimeDrawsTheStepBeforeItExactly) {
    StepPacer pacer(20ms);
    EXPECT_TRUE(pacer.frameAt(0us).step);
    const StepPacer::Frame halfway = pacer.frameAt(10ms);
    EXPECT_FALSE(halfway.step);
    EXPECT_FLOAT_EQ(halfway.blend, 0.5f);
    const StepPacer::Frame onTime = pacer.frameAt(20ms);
    EXPECT_TRUE(onTime.step);
    EXPECT_EQ(onTime.blend, 0.0f);
}

TEST(StepPacer, AStallMovesTheStepsOnWithoutABurst) {
    StepPacer pacer(20ms);
    pacer.frameAt(0us);
    const StepPacer::Frame late = pacer.frameAt(95ms);
    EXPECT_TRUE(late.step);
    EXPECT_EQ(late.blend, 0.0f);
    EXPECT_FALSE(pacer.frameAt(100ms).step);
    EXPECT_TRUE(pacer.frameAt(115ms).step);
}

TEST(FrameRate, StoredTextAndDisplayChooseTheDrawRate) {
    struct Case {
        std::string_view text;
        DisplayTraits display;
        std::optional<int> drawRate; // nothing: the text is refused
    };
    const DisplayTraits hz60{60.0, false};
    const Case cases[] = {
        {"", hz60, 60},
        {"auto", hz60, 60},
        {" AUTO ", {144.0, false}, 144},
        {"auto", {59.94, false}, 60},
        {"auto", {50.0, false}, 0},
        {"auto", {0.0, false}, 0},
        {"auto", {60.0, true}, 0},
        {"50", hz60, 0},
        {"30", hz60, 0},
        {"75", hz60, 75},
        {"90", {60.0, true}, 90},
        {"0", hz60, std::nullopt},
        {"1001", hz60, std::nullopt},
        {"60fps", hz60, std::nullopt},
        {"-60", hz60, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<FrameRateSetting> setting = parseFrameRate(c.text);
        ASSERT_EQ(setting.has_value(), c.drawRate.has_value()) << c.text;
        if (setting) {
            EXPECT_EQ(chooseDrawRate(*setting, c.display), *c.drawRate) << c.text;
        }
    }
    EXPECT_TRUE(swapFollowsDisplay(60, hz60));
    EXPECT_FALSE(swapFollowsDisplay(75, hz60));
    EXPECT_FALSE(swapFollowsDisplay(0, hz60));
}

TEST(DrawRateWatch, GivesUpOnlyWhenFramesKeepComingLate) {
    const auto framesFallBehind = [](Us interval, int lateEvery) {
        DrawRateWatch watch(60);
        Us now = 0us;
        for (int frame = 0; frame < 1000; ++frame) {
            now += frame % lateEvery == 0 ? 40ms : interval;
            if (watch.fallsBehind(now))
                return true;
        }
        return false;
    };
    EXPECT_FALSE(framesFallBehind(16667us, 20)); // one frame in twenty late: a hiccup
    EXPECT_TRUE(framesFallBehind(16667us, 5));   // one in five: the renderer cannot keep up
    EXPECT_TRUE(framesFallBehind(30ms, 1000));   // every frame late
}

} // namespace
} // namespace quillmere
