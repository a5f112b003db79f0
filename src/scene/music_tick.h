#pragma once

namespace quillmere {

// What the tick asks of the sound after its frame.
enum class BuiltInMusicAction { None, StopSound, StartBuiltIn };

// The built-in tune follows the user's music switch: while the user's music is on, any built-in sound
// is stopped on every tick; the first tick with it off starts the built-in loop once.
struct BuiltInMusicSwitch {
    bool builtInRestart = true;

    BuiltInMusicAction onTick(bool ownMusicOn) {
        if (ownMusicOn) {
            builtInRestart = true;
            return BuiltInMusicAction::StopSound;
        }
        if (builtInRestart) {
            builtInRestart = false;
            return BuiltInMusicAction::StartBuiltIn;
        }
        return BuiltInMusicAction::None;
    }
};

} // namespace quillmere
