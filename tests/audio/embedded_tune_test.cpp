#include "assets/asset_catalogue.h"
#include "assets/embedded_assets.h"
#include "audio/built_in_music.h"
#include "audio/music_tick.h"
#include "disk_audio_test.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace testing_audio;

using EmbeddedTuneTest = DiskAudioTest;

TEST_F(EmbeddedTuneTest, TheProgramsOwnTunePlaysInBothEars) {
    AudioDevice device;
    ASSERT_TRUE(device.available());
    BuiltInMusic music(device, embeddedAssetTable());
    MusicFlags flags{.ownMusicOn = false, .builtInRestart = true};
    builtInMusicTick(flags, music, 0);
    EXPECT_TRUE(music.playing());

    const std::size_t from = framesWritten() + LagFrames;
    ASSERT_TRUE(waitForFrames(from + FramesPerSecond));
    const auto frames = readFrames();
    std::size_t leftHeard = 0;
    std::size_t rightHeard = 0;
    for (std::size_t i = from; i < from + FramesPerSecond; ++i) {
        leftHeard += frames[i].left != 0;
        rightHeard += frames[i].right != 0;
    }
    EXPECT_GT(leftHeard, FramesPerSecond / 2);
    EXPECT_GT(rightHeard, FramesPerSecond / 2);
}

} // namespace
} // namespace quillmere
