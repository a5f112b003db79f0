#pragma once

#include "audio/audio_device.h"
#include "audio/custom_music_player.h"
#include "audio/mci_player.h"
#include "audio/music_flags.h"
#include "core/random.h"
#include "settings/settings_file.h"

#include <array>
#include <cstdint>
#include <wx/dialog.h>
#include <wx/timer.h>

class wxButton;
class wxListEvent;

namespace quillmere {

class SkinCheckBox;
class SkinSlider;
class TintedList;

// "Custom Music - Quillmere 1.2": the user's music list, its play modes, "On/Off" and the volume, with
// the player that plays it. Made hidden with the main window, it lives until the program ends; its
// 200 ms timer publishes ownMusicOn and moves on when a track ends, whether or not it shows, and
// closing it only hides it and saves "Custom Settings" while the music plays on.
class MusicDialog : public wxDialog {
public:
    // Restores the stored list and, with "OwnMusic" on, starts the first track at once. volume is the
    // profile's "Settings"/"Volume", 0 to 1000.
    MusicDialog(wxWindow* parent, const AudioDevice& device, Random& random, MusicFlags& flags,
                SettingsFile& file, int volume);

    // The menu's "Custom Music": centred over the tank and brought to the front.
    void ShowCentred();

private:
    void BuildControls(int volume);
    void ShowModel();
    void ShowRows();
    void HideAndSave();
    void ShowMessage(const wxString& text, long icon);
    void TakeSelection();

    void OnOnOff(wxCommandEvent& event);
    void OnMode(wxCommandEvent& event);
    void OnAddMusic(wxCommandEvent& event);
    void OnRemove(wxCommandEvent& event);
    void OnRemoveAll(wxCommandEvent& event);
    void OnPlay(wxCommandEvent& event);
    void OnStop(wxCommandEvent& event);
    void OnVolume(wxCommandEvent& event);
    void OnRowSelected(wxListEvent& event);
    void OnRowClicked();
    void OnRowDeselected(wxListEvent& event);
    void OnListSize(wxSizeEvent& event);
    void OnTimer(wxTimerEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);

    MciPlayer m_stream;
    CustomMusicPlayer m_player;
    MusicFlags& m_flags;
    SettingsFile& m_file;
    wxTimer m_timer;
    std::uint64_t m_shownRevision = 0;
    // What the list control shows of the player's list: its layout, its selection and how many rows.
    std::uint64_t m_shownLayout = 0;
    std::uint64_t m_shownSelection = 0;
    int m_shownRows = 0;
    bool m_showingSelection = false; // the list's selection is being set from the player's

    SkinCheckBox* m_onOff = nullptr;
    std::array<SkinCheckBox*, 3> m_modes{}; // by PlayMode: Repeat One, Repeat All, Random
    TintedList* m_list = nullptr;
    wxButton* m_addMusic = nullptr;
    wxButton* m_remove = nullptr;
    wxButton* m_removeAll = nullptr;
    wxButton* m_play = nullptr;
    wxButton* m_stop = nullptr;
    SkinSlider* m_volume = nullptr;
};

} // namespace quillmere
