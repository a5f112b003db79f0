#include "app/main_frame.h"

#include "app/aquarium_view.h"
#include "app/display_access.h"
#include "ui/artwork/ui_artwork.h"

#include <filesystem>

#include <wx/display.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

namespace quillmere {

namespace {

// The window a command came from: the control itself, or the window a popup menu was shown on.
const wxWindow* commandOrigin(const wxEvent& event) {
    wxObject* object = event.GetEventObject();
    if (const auto* menu = dynamic_cast<const wxMenu*>(object)) {
        return menu->GetWindow();
    }
    return dynamic_cast<const wxWindow*>(object);
}

bool isInside(const wxWindow* window, const wxWindow* ancestor) {
    for (; window != nullptr; window = window->GetParent()) {
        if (window == ancestor) {
            return true;
        }
    }
    return false;
}

} // namespace

CMainFrame::CMainFrame(ProcessState& state, const ProcessServices& services)
    : wxFrame(nullptr, wxID_ANY, "Quillmere", wxDefaultPosition, wxDefaultSize,
              wxBORDER_NONE | wxSTAY_ON_TOP | wxCLIP_CHILDREN) {
    SetBackgroundColour(*wxBLACK);
    SetIcons(programIcons());
    // The folder for the settings file and the extracted media must exist before the view is made.
    std::error_code error;
    if (services.assetFolder.empty() || !std::filesystem::is_directory(services.assetFolder, error)) {
        wxMessageBox("Error Find TempPath.", "ERROR", wxOK);
        AddPlaceholder();
    } else if (!CAquariumView::isDisplaySupported()) {
        wxMessageBox("ChoosePixelFormat failed", "Quillmere", wxOK);
        AddPlaceholder();
    } else {
        m_view = new CAquariumView(this, state, services);
    }
    Bind(wxEVT_SET_FOCUS, &CMainFrame::OnSetFocus, this);
    Bind(wxEVT_ACTIVATE, &CMainFrame::OnActivate, this);
    Bind(wxEVT_CHAR_HOOK, &CMainFrame::OnCharHook, this);
}

// Without a view the frame stays up, empty and black; this plain child takes the keyboard for ESC.
void CMainFrame::AddPlaceholder() {
    auto* placeholder =
        new wxWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE | wxWANTS_CHARS);
    placeholder->SetBackgroundColour(*wxBLACK);
}

void CMainFrame::ShowTank() {
    CoverMonitor();
    if (m_view != nullptr) {
        m_view->SetFocus();
        m_view->CreateScene();
    }
}

void CMainFrame::CoverMonitor() {
    const int index = wxDisplay::GetFromWindow(this);
    const wxDisplay display(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index));
    SetSize(display.GetGeometry());
    Show();
    // Full-screen state lets the window manager put the window over panels and docks as well. Without
    // a window manager that knows it, the toolkit would make the window a pixel wider and taller than
    // the screen instead, where the size above already covers the monitor exactly.
    if (windowManagerKnowsFullScreen(static_cast<_XDisplay*>(wxGetX11Display()))) {
        ShowFullScreen(true, wxFULLSCREEN_ALL);
    }
    Raise();
}

// Commands reaching the frame (its accelerators, for one) go to the view first; those that started in
// the view have had their turn there already.
bool CMainFrame::TryBefore(wxEvent& event) {
    if (m_view != nullptr && event.GetEventType() == wxEVT_MENU && !isInside(commandOrigin(event), m_view) &&
        m_view->ProcessWindowEventLocally(event)) {
        return true;
    }
    return wxFrame::TryBefore(event);
}

void CMainFrame::OnSetFocus(wxFocusEvent& event) {
    if (m_view != nullptr) {
        m_view->SetFocus();
    } else {
        event.Skip();
    }
}

void CMainFrame::OnActivate(wxActivateEvent& event) {
    if (event.GetActive() && m_view != nullptr) {
        m_view->SetFocus();
    }
    event.Skip();
}

void CMainFrame::OnCharHook(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE) {
        Close();
        return;
    }
    event.Skip();
}

} // namespace quillmere
