#pragma once

#include "ui/settings_dialog/settings_form.h"
#include "ui/tank_link.h"

#include <array>
#include <wx/dialog.h>
#include <wx/timer.h>

class wxCheckBox;
class wxSlider;
class wxStaticBitmap;

namespace quillmere {

class ColorButton;
class SettingsFile;
class SkinCheckBox;
class SkinSlider;

// "Aquarium Settings - Quillmere 1.2": light, fog, bubbles, the light's colour, the views of the tank
// and the tune's volume, applied to the running tank as the controls move. There is no OK: a 100 ms
// timer saves every value, and closing keeps what the controls show.
class AquariumSettingsDialog : public wxDialog {
public:
    AquariumSettingsDialog(wxWindow* parent, TankLink& tank, SettingsFile& file);

private:
    wxSizer* CreateSliderColumns();
    wxSizer* CreateLightColourGroup();
    wxSizer* CreateViewsGroup();
    wxSizer* CreatePreview();
    void ShowForm();
    void ShowModes();
    void Finish(int returnCode);

    void OnTimer(wxTimerEvent& event);
    void OnVerticalSlider(wxCommandEvent& event);
    void OnViewSlider(wxCommandEvent& event);
    void OnModeButton(wxCommandEvent& event);
    void OnLockButton(wxCommandEvent& event);
    void OnColourButton(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnClose(wxCloseEvent& event);

    SettingsForm m_form;
    wxTimer m_timer;

    SkinSlider* m_soundSlider = nullptr;
    SkinSlider* m_bubbleSlider = nullptr;
    SkinSlider* m_fogSlider = nullptr;
    SkinSlider* m_lightSlider = nullptr;
    SkinCheckBox* m_fixColour = nullptr;
    SkinCheckBox* m_autoGradualColour = nullptr;
    SkinCheckBox* m_lockForeground = nullptr;
    ColorButton* m_frontColour = nullptr;
    wxCheckBox* m_autoViews = nullptr;
    wxSlider* m_leftRight = nullptr;
    wxSlider* m_nearFar = nullptr;
    std::array<wxStaticBitmap*, 4> m_previews{}; // backdrop 0 to 3
};

} // namespace quillmere
