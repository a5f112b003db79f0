#pragma once

#include "audio/custom_music_player.h"
#include "audio/mci_player.h"
#include "audio/music_flags.h"
#include "core/random.h"
#include "settings/settings_file.h"

#include <wx/event.h>
#include <wx/timer.h>

namespace quillmere {

class AudioDevice;

// The user's music: the player of the Custom Music dialog with its file stream and its 200 ms timer,
// which run for the whole program whether or not the dialog shows. Made at the end of the scene's
// set-up, it restores the stored list and may start playing at once; its timer publishes the
// "On/Off" box as ownMusicOn, which silences the built-in tune.
class CustomMusicRunner : public wxEvtHandler {
public:
    CustomMusicRunner(const AudioDevice& device, Random& random, MusicFlags& flags, SettingsFile& file,
                      int volume);
    ~CustomMusicRunner() override;
    CustomMusicRunner(const CustomMusicRunner&) = delete;
    CustomMusicRunner& operator=(const CustomMusicRunner&) = delete;

    CustomMusicPlayer& player() { return m_player; }

private:
    void OnTimer(wxTimerEvent& event);

    MciPlayer m_stream;
    CustomMusicPlayer m_player;
    MusicFlags& m_flags;
    wxTimer m_timer;
};

} // namespace quillmere
