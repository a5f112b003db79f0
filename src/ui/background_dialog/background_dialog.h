#pragma once

#include "core/random.h"
#include "settings/settings_file.h"
#include "ui/background_dialog/slideshow.h"
#include "ui/controls/hide_and_save_dialog.h"
#include "ui/controls/play_mode_boxes.h"
#include "ui/tank_link.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <wx/timer.h>

class wxListCtrl;
class wxListEvent;
class wxTextCtrl;

namespace quillmere {

class GradientButton;
class SkinCheckBox;

// "Custom Background - Quillmere 1.2": the user's pictures for the backdrop and their slideshow. Made
// hidden with the main window, it lives until the program ends; its 200 ms timer runs the slideshow
// whether or not it shows, and closing it only hides it and saves "Custom Images".
class BackgroundDialog : public HideAndSaveDialog {
public:
    // Restores the stored list and resumes the slideshow, which tells the tank each picture to show; a
    // stored picture that no longer loads gives its message once the tank runs.
    BackgroundDialog(wxWindow* parent, TankLink& tank, Random& random, SettingsFile& file);

private:
    void BuildControls();
    void ShowModel();
    void ShowRows();
    void FitPathColumn();
    void SaveState() override;
    void PostDueMessages();
    void ShowDueMessages();
    int FirstSelectedRow() const;

    void OnOwnImage(wxCommandEvent& event);
    void OnMode(PlayMode mode);
    void OnInterval(wxCommandEvent& event);
    void OnAddImage(wxCommandEvent& event);
    void OnRemoveImage(wxCommandEvent& event);
    void OnRemoveAll(wxCommandEvent& event);
    // A click on a row, or Enter on it: that picture shows at once, again if it already shows.
    void OnRowClicked(int row);
    void OnListSize(wxSizeEvent& event);
    void OnTimer(wxTimerEvent& event);

    Slideshow m_show;
    TankLink& m_tank;
    SettingsFile& m_file;
    std::deque<std::string> m_messages; // due, waiting for the box before them to close
    bool m_showingMessage = false;
    bool m_messagesPosted = false; // ShowDueMessages() is on its way
    wxTimer m_timer;
    std::uint64_t m_shownRevision = 0;

    SkinCheckBox* m_ownImage = nullptr;
    wxListCtrl* m_list = nullptr;
    std::optional<PlayModeBoxes> m_modes;
    wxTextCtrl* m_interval = nullptr;
    GradientButton* m_addImage = nullptr;
    GradientButton* m_removeImage = nullptr;
    GradientButton* m_removeAll = nullptr;
};

} // namespace quillmere
