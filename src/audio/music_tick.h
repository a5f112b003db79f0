#pragma once

#include "audio/built_in_tune.h"
#include "audio/music_flags.h"

namespace quillmere {

// The view's tick calls this after each frame. While the custom music is on, the built-in tune is
// silenced on every tick; on the first tick after it goes off, the tune starts again from its
// beginning. yinliang is the current "YINLIANG" setting.
//
// Ownership in the application: one AudioDevice (constructed before any window, destroyed after the
// players), one MusicFlags and one BuiltInMusic are owned by the application and handed to the view by
// reference; the Custom Music dialog owns the MciPlayer and the CustomMusicPlayer, and every 200 ms tells
// the tank "On/Off" and runs CustomMusicPlayer::onTimer(), while the view runs builtInMusicTick every tick.
void builtInMusicTick(MusicFlags& flags, BuiltInTune& tune, int yinliang);

} // namespace quillmere
