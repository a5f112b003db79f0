#pragma once

#include <wx/dialog.h>

class wxListCtrl;

namespace quillmere {

// The base of the two modeless dialogs, made hidden with the main window and alive until the program
// ends: the caption's close button, Cancel and ESC only hide the dialog and save what it holds, and ESC
// never reaches the tank, where it would end the program. Enter does nothing.
class HideAndSaveDialog : public wxDialog {
public:
    // The menu's entry: centred over the tank and brought to the front.
    void ShowCentred();

protected:
    HideAndSaveDialog(wxWindow* parent, const wxString& title);

    // Writes what the dialog holds to the settings file; runs each time the dialog hides.
    virtual void SaveState() = 0;

    // A message box over the dialog while it shows, over the tank while it is hidden (at start-up).
    void ShowMessage(const wxString& text, long icon);

    // The lists of both dialogs: blue text on tan.
    static void TintList(wxListCtrl& list);

private:
    void HideAndSave();
    void OnClose(wxCloseEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
};

} // namespace quillmere
