#include "ui/controls/hide_and_save_dialog.h"

#include "ui/controls/wx_colour.h"

#include <wx/listctrl.h>
#include <wx/msgdlg.h>

namespace quillmere {

namespace {

constexpr ColorRef ListBackground = 0x82B8CF;
constexpr ColorRef ListText = 0xFF0000;

} // namespace

HideAndSaveDialog::HideAndSaveDialog(wxWindow* parent, const wxString& title)
    : wxDialog(parent, wxID_ANY, title, wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    Bind(wxEVT_BUTTON, &HideAndSaveDialog::OnCancel, this, wxID_CANCEL);
    Bind(wxEVT_CLOSE_WINDOW, &HideAndSaveDialog::OnClose, this);
    Bind(wxEVT_CHAR_HOOK, &HideAndSaveDialog::OnCharHook, this);
}

void HideAndSaveDialog::ShowCentred() {
    CentreOnParent();
    Show();
    Raise();
}

void HideAndSaveDialog::ShowMessage(const wxString& text, long icon) {
    wxMessageBox(text, "Quillmere", wxOK | icon, IsShown() ? this : GetParent());
}

void HideAndSaveDialog::TintList(wxListCtrl& list) {
    list.SetBackgroundColour(toWxColour(ListBackground));
    list.SetTextColour(toWxColour(ListText));
}

void HideAndSaveDialog::HideAndSave() {
    Hide();
    SaveState();
}

// The program's end closes the dialog for good; any other close only hides it.
void HideAndSaveDialog::OnClose(wxCloseEvent& event) {
    if (!event.CanVeto()) {
        event.Skip();
        return;
    }
    event.Veto();
    HideAndSave();
}

void HideAndSaveDialog::OnCancel(wxCommandEvent&) {
    HideAndSave();
}

void HideAndSaveDialog::OnCharHook(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE && event.GetModifiers() == wxMOD_NONE) {
        HideAndSave();
        return;
    }
    event.Skip();
}

} // namespace quillmere
