#pragma once

#include "audio/audio_device.h"
#include "audio/custom_music_player.h"
#include "audio/mci_player.h"
#include "core/random.h"
#include "settings/settings_file.h"
#include "ui/controls/hide_and_save_dialog.h"
#include "ui/controls/play_mode_boxes.h"
#include "ui/tank_link.h"

#include <cstdint>
#include <optional>
#include <wx/timer.h>

class wxButton;
class wxListEvent;

namespace quillmere {

class SkinCheckBox;
class SkinSlider;
class TintedList;

// "Custom Music - Quillmere 1.2": the user's music list, its play modes, "On/Off" and the volume, with
// the player that plays it. Made hidden with the main window, it lives until the program ends; its
// 200 ms timer tells the tank whether the custom music is on and moves on when a track ends, whether or
// not it shows, and closing it only hides it and saves "Custom Settings" while the music plays on.
class MusicDialog : public HideAndSaveDialog {
public:
    // Restores the stored list and, with "OwnMusic" on, starts the first track at once. volume is the
    // profile's "Settings"/"Volume", 0 to 1000.
    MusicDialog(wxWindow* parent, TankLink& tank, const AudioDevice& device, Random& random,
                SettingsFile& file, int volume);

private:
    void BuildControls(int volume);
    void ShowModel();
    void ShowRows();
    void SaveState() override;
    void TakeSelection();

    void OnOnOff(wxCommandEvent& event);
    void OnMode(PlayMode mode);
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

    MciPlayer m_stream;
    CustomMusicPlayer m_player;
    TankLink& m_tank;
    SettingsFile& m_file;
    wxTimer m_timer;
    std::uint64_t m_shownRevision = 0;
    // What the list control shows of the player's list: its layout, its selection and how many rows.
    std::uint64_t m_shownLayout = 0;
    std::uint64_t m_shownSelection = 0;
    int m_shownRows = 0;
    bool m_showingSelection = false; // the list's selection is being set from the player's

    SkinCheckBox* m_onOff = nullptr;
    std::optional<PlayModeBoxes> m_modes;
    TintedList* m_list = nullptr;
    wxButton* m_addMusic = nullptr;
    wxButton* m_remove = nullptr;
    wxButton* m_removeAll = nullptr;
    wxButton* m_play = nullptr;
    wxButton* m_stop = nullptr;
    SkinSlider* m_volume = nullptr;
};

} // namespace quillmere
