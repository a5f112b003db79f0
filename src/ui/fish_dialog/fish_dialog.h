#pragma once

#include "core/random.h"
#include "ui/fish_dialog/fish_counts.h"
#include "ui/tank_link.h"

#include <wx/dialog.h>
#include <wx/timer.h>

class wxStaticText;

namespace quillmere {

class FishPicture;
class SettingsFile;

// "Fish Settings - Quillmere 1.2": how many fish of each kind swim in the tank. A click selects a kind
// in the picture; the buttons, the letter keys A, D, R, C and double clicks (left adds, right deletes)
// change the counts. A 500 ms timer saves them and hands them to the tank, which shows them next frame.
class FishDialog : public wxDialog {
public:
    // Random draws from the program's one generator.
    FishDialog(wxWindow* parent, TankLink& tank, Random& random, SettingsFile& file);

private:
    void ShowCounts();
    void Save();
    void Finish(int returnCode);
    void Select(const wxPoint& picturePoint);

    void OnTimer(wxTimerEvent& event);
    void OnAdd(wxCommandEvent& event);
    void OnDelete(wxCommandEvent& event);
    void OnRandom(wxCommandEvent& event);
    void OnClear(wxCommandEvent& event);
    void OnPictureMouse(wxMouseEvent& event);
    void OnDialogMouse(wxMouseEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnClose(wxCloseEvent& event);

    TankLink& m_tank;
    Random& m_random;
    SettingsFile& m_file;
    FishCounts m_counts;
    wxTimer m_timer;
    FishPicture* m_picture = nullptr;
    wxStaticText* m_total = nullptr;
};

} // namespace quillmere
