#include "ui/music_dialog/music_dialog_rules.h"

#include "settings/profile_document.h"
#include "settings/settings_file.h"

namespace quillmere {

MusicButtons musicButtons(const CustomMusicPlayer& player) {
    const bool editable = player.list().buttonsEnabled();
    return MusicButtons{editable, editable, editable, editable, true};
}

std::string addMusicFile(CustomMusicPlayer& player, const std::string& path) {
    // The settings file keeps one path per line; a line break would split it into keys of its own.
    if (!isProfileValueStorable(path))
        return "This file's name holds a line break, which the settings cannot keep. Rename the file and "
               "add it again.";
    if (player.list().rowCount() >= MaxStoredListLength)
        return "The music list holds at most " + std::to_string(MaxStoredListLength) +
               " files, which it already has.";
    player.addMusic(path);
    return {};
}

std::string removeSelectedMusic(CustomMusicPlayer& player) {
    if (player.removeSelected() == CustomMusicPlayer::RemoveResult::NothingSelected)
        return "Please select an item from the music list!";
    return {};
}

} // namespace quillmere
