#pragma once

#include "audio/music_list_model.h"
#include "audio/music_stream.h"
#include "audio/play_mode.h"
#include "core/random.h"
#include "settings/settings_file.h"

#include <cstdint>
#include <string>

namespace quillmere {

// The Custom Music dialog's player: the list, the play mode, the "On/Off" box, the volume and the
// choice of the next file. It holds no window or sound code; the dialog binds its controls to the
// accessors, forwards each control's event to the matching call, and redraws when revision() moves.
class CustomMusicPlayer {
public:
    enum class RemoveResult { Removed, NothingSelected, Disabled };

    // Opens nothing yet and gives the stream the starting volume (the profile's "Settings"/"Volume").
    // Random draws for the Random mode come from the program's one generator.
    CustomMusicPlayer(MusicStream& stream, Random& random, int volume);

    PlayerState state() const { return m_state; }
    PlayMode mode() const { return m_mode; }
    // The list row of the open file; -1 after a stop.
    int currentIndex() const { return m_currentIndex; }
    // The stream position read by the last timer step while playing, in milliseconds.
    int position() const { return m_position; }
    // The volume slider's value, 0 to 1000.
    int volume() const { return m_volume; }
    // The "On/Off" box of "Use your own music".
    bool onOff() const { return m_onOff; }
    const MusicListModel& list() const { return m_list; }
    // Moves on every change the dialog must show (list, highlight, buttons, boxes).
    std::uint64_t revision() const { return m_revision; }

    // Fills the player from the section "Custom Settings" when the dialog starts, and starts the first
    // track when "OwnMusic" is on and the list is not empty.
    void restore(const MusicListState& stored);
    // The state the dialog writes back when it is hidden.
    MusicListState stored() const;

    // The dialog's 200 ms timer: moves to the next file when the playing one has ended. The dialog tells
    // the tank onOff() first, which the step never changes.
    void onTimer();

    // Control events.
    void addMusic(std::string path);
    RemoveResult removeSelected();
    void removeAll();
    void play();
    void stop();
    void setOnOff(bool checked);
    void setMode(PlayMode mode);
    void setVolume(int volume);
    void setRowSelected(int row, bool selected);
    // A click on the list, after the click's selection has been recorded with setRowSelected.
    void clickList();

    // Picks the row for the mode, the state and whether the user clicked it, and opens it without
    // playing. Does nothing on an empty list; a file that cannot be played stops the player.
    void loadTrack(int fallbackRow, bool clicked);
    // Plays the open file; needs a non-empty list and a playable open file.
    void startPlaying();
    void stopPlaying();

private:
    int chooseRow(int fallbackRow, bool clicked);
    void passOverUnplayable();
    int randomRow();
    void changed() { ++m_revision; }

    MusicStream& m_stream;
    Random& m_random;
    MusicListModel m_list;
    PlayerState m_state = PlayerState::NotStarted;
    PlayMode m_mode = PlayMode::RepeatOne;
    int m_currentIndex = -1;
    int m_position = 0;
    int m_volume;
    bool m_onOff = false;
    int m_unplayableInARow = 0; // files passed over since one last played
    bool m_passingOver = false;
    std::uint64_t m_revision = 0;
};

} // namespace quillmere
