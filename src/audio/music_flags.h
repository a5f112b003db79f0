#pragma once

namespace quillmere {

// The two process-wide music flags, one instance owned by the application and passed by reference
// to the custom player's timer (which writes ownMusicOn) and to the view's tick (which reads it).
struct MusicFlags {
    // The custom music "On/Off" box is checked: the built-in tune stays silent.
    bool ownMusicOn = true;
    // The built-in tune must be started from its beginning on the next tick that finds ownMusicOn clear.
    bool builtInRestart = true;
};

} // namespace quillmere
