#pragma once

namespace quillmere {

// How the next file is chosen when a track ends; the background slideshow uses the same three modes.
enum class PlayMode { RepeatOne = 0, RepeatAll = 1, Random = 2 };

// The custom music player's state; the numbers are the ones the dialog has always used.
enum class PlayerState { Playing = 0, NotStarted = 1, Stopped = 2 };

} // namespace quillmere
