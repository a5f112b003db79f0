#pragma once

#include "audio/custom_music_player.h"

#include <string>

namespace quillmere {

// The file chooser's filter: the formats the player has always offered, then the others SDL_mixer
// plays here, in either letter case.
inline constexpr const char* MusicFileWildcard =
    "(*.mp3;*.wav;*.mpeg;*.ogg;*.flac;*.opus)|"
    "*.mp3;*.wav;*.mpeg;*.ogg;*.flac;*.opus;*.MP3;*.WAV;*.MPEG;*.OGG;*.FLAC;*.OPUS";

// Which of the Custom Music dialog's buttons take clicks: while music plays only "Stop" does, so the
// list cannot change under the playing row.
struct MusicButtons {
    bool addMusic = true;
    bool remove = true;
    bool removeAll = true;
    bool play = true;
    bool stop = true;
};
MusicButtons musicButtons(const CustomMusicPlayer& player);

// "Add Music" with the chosen file: the message to show, empty when the file became the last row.
std::string addMusicFile(CustomMusicPlayer& player, const std::string& path);

// "Remove": the message to show, empty when the first selected row went.
std::string removeSelectedMusic(CustomMusicPlayer& player);

} // namespace quillmere
