#include "audio/built_in_music.h"
#include "audio/music_tick.h"
#include "disk_audio_test.h"
#include "tune_asset.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace quillmere {
namespace {

using namespace testing_audio;
namespace fs = std::filesystem;

class BuiltInMusicTest : public DiskAudioTest {
protected:
    static constexpr int TuneFrames = TestRate / 2; // half a second

    // Waits until the output has sound and at least count frames from its first sound on.
    bool waitForSound(std::size_t count) const {
        return pollUntil([&] {
            const auto frames = readFrames();
            const auto start = firstSound(frames);
            return start < frames.size() && frames.size() >= start + count;
        });
    }

    TuneAsset asset{markedTune(TuneFrames)};
    MusicFlags flags{.ownMusicOn = false, .builtInRestart = true};
};

TEST_F(BuiltInMusicTest, PlaysOnBothChannelsAtFullLevelAndLoopsPastItsEnd) {
    AudioDevice device;
    ASSERT_TRUE(device.available());
    BuiltInMusic music(device, asset.table());
    builtInMusicTick(flags, music, 0);
    EXPECT_TRUE(music.playing());
    EXPECT_EQ(music.level(), 65535);

    const std::size_t count = TuneFrames * 5 / 2;
    ASSERT_TRUE(waitForSound(count));
    const auto frames = readFrames();
    EXPECT_TRUE(playsFrom(frames, firstSound(frames), asset.tune(), count));
}

TEST_F(BuiltInMusicTest, IsSilentAtTheTopSetting) {
    AudioDevice device;
    BuiltInMusic music(device, asset.table());
    builtInMusicTick(flags, music, 65535);
    EXPECT_TRUE(music.playing());
    EXPECT_EQ(music.level(), 0);
    ASSERT_TRUE(waitForMoreFrames(2 * TuneFrames));
    const auto frames = readFrames();
    EXPECT_EQ(firstSound(frames), frames.size());
}

TEST_F(BuiltInMusicTest, LevelChangesLiveOnBothChannels) {
    AudioDevice device;
    BuiltInMusic music(device, asset.table());
    builtInMusicTick(flags, music, 0);
    ASSERT_TRUE(waitForSound(1));

    music.setLevel(49151); // a quarter of full scale
    EXPECT_EQ(music.level(), 16384);
    const std::size_t changedAt = framesWritten() + LagFrames;
    ASSERT_TRUE(waitForFrames(changedAt + TuneFrames));
    const auto frames = readFrames();
    int loudest = 0;
    for (std::size_t i = changedAt; i < changedAt + TuneFrames; ++i) {
        ASSERT_NE(frames[i].left, 0) << "frame " << i;
        ASSERT_EQ(frames[i].right, -frames[i].left) << "frame " << i;
        loudest = std::max(loudest, std::abs(static_cast<int>(frames[i].left)));
    }
    EXPECT_LE(loudest, 20999 / 4);
    EXPECT_GE(loudest, 20999 / 4 - 100);
}

TEST_F(BuiltInMusicTest, StopsOnTheTickAfterCustomMusicIsSwitchedOn) {
    AudioDevice device;
    BuiltInMusic music(device, asset.table());
    builtInMusicTick(flags, music, 0);
    ASSERT_TRUE(waitForSound(1));

    flags.ownMusicOn = true;
    builtInMusicTick(flags, music, 0);
    EXPECT_FALSE(music.playing());
    EXPECT_TRUE(flags.builtInRestart);
    const std::size_t quietFrom = framesWritten() + LagFrames;
    ASSERT_TRUE(waitForFrames(quietFrom + FramesPerSecond / 2));
    const auto frames = readFrames();
    EXPECT_EQ(firstSound(frames, quietFrom), frames.size());
}

TEST_F(BuiltInMusicTest, RestartsFromItsBeginningWhenCustomMusicGoesOff) {
    AudioDevice device;
    BuiltInMusic music(device, asset.table());
    builtInMusicTick(flags, music, 0);
    ASSERT_TRUE(waitForSound(TuneFrames / 3)); // into the tune, well short of its end

    flags.ownMusicOn = true;
    builtInMusicTick(flags, music, 0);
    ASSERT_TRUE(waitForMoreFrames(LagFrames + FramesPerSecond / 10));
    flags.ownMusicOn = false;
    builtInMusicTick(flags, music, 0);
    EXPECT_TRUE(music.playing());

    std::size_t restart = 0;
    ASSERT_TRUE(pollUntil([&] {
        const auto frames = readFrames();
        const auto gap = std::find_if(frames.begin() + static_cast<long>(firstSound(frames)), frames.end(),
                                      [](const Frame& f) { return f.silent(); });
        restart = firstSound(frames, static_cast<std::size_t>(gap - frames.begin()));
        return restart + TuneFrames <= frames.size();
    }));
    EXPECT_TRUE(playsFrom(readFrames(), restart, asset.tune(), TuneFrames));
}

TEST_F(BuiltInMusicTest, AMissingResourceGivesSilence) {
    AudioDevice device;
    BuiltInMusic music(device, AssetTable{});
    builtInMusicTick(flags, music, 0);
    EXPECT_FALSE(music.playing());
    ASSERT_TRUE(waitForMoreFrames(FramesPerSecond / 4));
    const auto frames = readFrames();
    EXPECT_EQ(firstSound(frames), frames.size());
}

} // namespace
} // namespace quillmere
