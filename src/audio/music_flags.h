#pragma once

namespace quillmere {

// The two process-wide music flags, one instance owned by the application: the view writes ownMusicOn
// as the Custom Music dialog's timer tells it, and the view's tick reads both.
struct MusicFlags {
    // The custom music "On/Off" box is checked: the built-in tune stays silent.
    bool ownMusicOn = true;
    // The built-in tune must be started from its beginning on the next tick that finds ownMusicOn clear.
    bool builtInRestart = true;
};

} // namespace quillmere
