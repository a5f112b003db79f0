#include "audio/music_tick.h"

namespace quillmere {

void builtInMusicTick(MusicFlags& flags, BuiltInTune& tune, int yinliang) {
    if (flags.ownMusicOn) {
        flags.builtInRestart = true;
        tune.stopBuiltInMusic();
    } else if (flags.builtInRestart) {
        tune.startBuiltInMusic(yinliang);
        flags.builtInRestart = false;
    }
}

} // namespace quillmere
