#include "audio/audio_levels.h"
#include "audio/music_tick.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace quillmere {
namespace {

class RecordingTune : public BuiltInTune {
public:
    void startBuiltInMusic(int yinliang) override { starts.push_back(yinliang); }
    void stopBuiltInMusic() override { ++stops; }
    void setLevel(int) override {}

    std::vector<int> starts;
    int stops = 0;
};

TEST(BuiltInMusicTick, WaitsForTheCustomMusicToBeOffThenStartsOnce) {
    MusicFlags flags;
    RecordingTune tune;
    builtInMusicTick(flags, tune, 100); // both flags start set: nothing may play yet
    EXPECT_TRUE(tune.starts.empty());
    EXPECT_TRUE(flags.builtInRestart);

    flags.ownMusicOn = false;
    builtInMusicTick(flags, tune, 100);
    builtInMusicTick(flags, tune, 200);
    builtInMusicTick(flags, tune, 300);
    EXPECT_EQ(tune.starts, std::vector<int>{100});
    EXPECT_FALSE(flags.builtInRestart);
}

TEST(BuiltInMusicTick, SilencesEveryTickWhileCustomMusicIsOnAndRestartsAfter) {
    MusicFlags flags;
    flags.ownMusicOn = false;
    RecordingTune tune;
    builtInMusicTick(flags, tune, 0);

    flags.ownMusicOn = true;
    const int stopsBefore = tune.stops;
    for (int i = 0; i < 5; ++i)
        builtInMusicTick(flags, tune, 0);
    EXPECT_EQ(tune.stops - stopsBefore, 5);
    EXPECT_TRUE(flags.builtInRestart);

    flags.ownMusicOn = false;
    builtInMusicTick(flags, tune, 65535);
    builtInMusicTick(flags, tune, 65535);
    EXPECT_EQ(tune.starts, (std::vector<int>{0, 65535}));
}

TEST(AudioLevels, SettingIsInvertedAndClampedToOneWaveChannel) {
    EXPECT_EQ(waveLevelForSetting(0), 65535);
    EXPECT_EQ(waveLevelForSetting(65535), 0);
    EXPECT_EQ(waveLevelForSetting(32767), 32768);
    EXPECT_EQ(waveLevelForSetting(-1), 65535);
    EXPECT_EQ(waveLevelForSetting(70000), 0);
    EXPECT_EQ(waveLevelForSetting(INT_MIN), 65535);
    EXPECT_EQ(waveLevelForSetting(INT_MAX), 0);
}

TEST(AudioLevels, LevelsMapOntoTheMixersScaleWithItsEnds) {
    EXPECT_EQ(mixerVolumeForWaveLevel(0), 0);
    EXPECT_EQ(mixerVolumeForWaveLevel(65535), 128);
    EXPECT_EQ(mixerVolumeForWaveLevel(32768), 64);
    EXPECT_EQ(mixerVolumeForWaveLevel(100), 0);

    EXPECT_EQ(mixerVolumeForMusicVolume(0), 0);
    EXPECT_EQ(mixerVolumeForMusicVolume(1000), 128);
    EXPECT_EQ(mixerVolumeForMusicVolume(500), 64);
    EXPECT_EQ(mixerVolumeForMusicVolume(2000), 128);
    EXPECT_EQ(mixerVolumeForMusicVolume(-20), 0);
}

} // namespace
} // namespace quillmere
