#include "scene/music_tick.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(BuiltInMusicSwitch, StartsOnceOnTheFirstTickWithoutOwnMusic) {
    BuiltInMusicSwitch music;
    EXPECT_EQ(music.onTick(false), BuiltInMusicAction::StartBuiltIn);
    EXPECT_EQ(music.onTick(false), BuiltInMusicAction::None);
    EXPECT_EQ(music.onTick(false), BuiltInMusicAction::None);
}

TEST(BuiltInMusicSwitch, OwnMusicStopsTheSoundEveryTickAndArmsARestart) {
    BuiltInMusicSwitch music;
    EXPECT_EQ(music.onTick(true), BuiltInMusicAction::StopSound);
    EXPECT_EQ(music.onTick(true), BuiltInMusicAction::StopSound);
    EXPECT_EQ(music.onTick(false), BuiltInMusicAction::StartBuiltIn);
    EXPECT_EQ(music.onTick(false), BuiltInMusicAction::None);
    EXPECT_EQ(music.onTick(true), BuiltInMusicAction::StopSound);
    EXPECT_EQ(music.onTick(false), BuiltInMusicAction::StartBuiltIn);
}

} // namespace
} // namespace quillmere
