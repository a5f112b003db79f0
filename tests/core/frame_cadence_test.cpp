#include "core/frame_cadence.h"

#include <gtest/gtest.h>
#include <vector>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using Us = FrameCadence::Duration;

// Runs a tank whose frames take the given times (cycled), with a timer that fires the requested delay
// late by timerLag, rounded up to whole milliseconds as a millisecond timer does; returns when each
// frame started.
std::vector<Us> runFrames(const std::vector<Us>& frameTimes, Us timerLag, int frames) {
    FrameCadence cadence(20ms);
    std::vector<Us> starts;
    Us now = 0us;
    for (std::size_t tick = 0; static_cast<int>(starts.size()) < frames; ++tick) {
        if (cadence.frameDue(now)) {
            starts.push_back(now);
            now += frameTimes[starts.size() % frameTimes.size()];
        }
        const auto delay = std::chrono::ceil<std::chrono::milliseconds>(cadence.delayUntilNext(now));
        now += delay + timerLag;
    }
    return starts;
}

TEST(FrameCadence, HoldsFiftyFramesASecondWhenTheTimerRunsLate) {
    // A timer that fires 1.3 ms late on every tick would give 47 frames a second if the next tick were
    // counted from the end of the last frame.
    const auto starts = runFrames({7ms, 12ms}, 1300us, 501);
    EXPECT_GE(starts.back() - starts.front(), 10s);
    EXPECT_LE(starts.back() - starts.front(), 10s + 3ms);
}

TEST(FrameCadence, ALateFrameIsNotFollowedByABurst) {
    // Every tenth frame takes 55 ms: the frame after it starts at once, then the cadence goes on
    // without the missed ticks being made up.
    std::vector<Us> times(10, 5ms);
    times[0] = 55ms;
    const auto starts = runFrames(times, 0us, 100);
    for (std::size_t i = 1; i < starts.size(); ++i) {
        EXPECT_GE(starts[i] - starts[i - 1], 5ms) << "frame " << i;
    }
    int quick = 0;
    for (std::size_t i = 1; i < starts.size(); ++i) {
        quick += starts[i] - starts[i - 1] < 19ms;
    }
    EXPECT_EQ(quick, 0);
}

TEST(FrameCadence, AnEarlyTickWaitsForItsFrame) {
    FrameCadence cadence(20ms);
    EXPECT_TRUE(cadence.frameDue(0us));
    EXPECT_FALSE(cadence.frameDue(10ms));
    EXPECT_EQ(cadence.delayUntilNext(10ms), 10ms);
    EXPECT_TRUE(cadence.frameDue(19600us));
    EXPECT_EQ(cadence.delayUntilNext(19600us), 20400us);
}

} // namespace
} // namespace quillmere
