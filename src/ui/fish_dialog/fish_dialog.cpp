#include "ui/fish_dialog/fish_dialog.h"

#include "core/project_address.h"
#include "settings/settings_file.h"
#include "ui/controls/gradient_button.h"
#include "ui/controls/link_static.h"
#include "ui/controls/wx_colour.h"
#include "ui/fish_dialog/fish_picture.h"

#include <wx/sizer.h>
#include <wx/stattext.h>

namespace quillmere {

namespace {

enum ControlId {
    TotalId = 1001,
    AddId = 1007,
    DeleteId = 1008,
    RandomId = 1009,
    ClearId = 1010,
    LinkId = 1037,
};

constexpr int SaveTimerId = 1;
constexpr int SaveIntervalMs = 500;
constexpr ColorRef TotalColour = 0xFF0000; // blue
constexpr int Gap = 8;                     // logical pixels between controls

} // namespace

FishDialog::FishDialog(wxWindow* parent, TankLink& tank, Random& random, SettingsFile& file)
    : wxDialog(parent, wxID_ANY, "Fish Settings - Quillmere 1.2", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxSTAY_ON_TOP),
      m_tank(tank), m_random(random), m_file(file), m_timer(this, SaveTimerId) {
    m_picture = new FishPicture(this, m_counts);

    m_total = new wxStaticText(this, TotalId, "Total:50  (Max:50)");
    m_total->SetForegroundColour(toWxColour(TotalColour));

    struct ButtonEntry {
        int id;
        const char* label;
        const char* tooltip;
    };
    const ButtonEntry buttonEntries[] = {
        {AddId, "Add", "Add Fish"},
        {DeleteId, "Delete", "Delete Fish"},
        {RandomId, "Random", "Random  All Fishes"},
        {ClearId, "Clear", "Clear All Fishes"},
    };
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    for (const ButtonEntry& entry : buttonEntries) {
        auto* button = new GradientButton(this, entry.id, entry.label);
        button->setTooltip(entry.tooltip);
        buttons->Add(button, wxSizerFlags().Border(wxLEFT, FromDIP(Gap)));
    }

    auto* controls = new wxBoxSizer(wxHORIZONTAL);
    controls->Add(m_total, wxSizerFlags().CentreVertical());
    controls->AddStretchSpacer(1);
    controls->Add(buttons, wxSizerFlags().CentreVertical());

    auto* link = new LinkStatic(this, LinkId, wxString(ProjectWebAddress.data(), ProjectWebAddress.size()));

    // The picture sits at the top left, so the dialog's own clicks map onto its grid by a plain offset.
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(m_picture, wxSizerFlags().Border(wxALL, FromDIP(Gap)));
    top->Add(controls, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, FromDIP(Gap)));
    top->Add(link, wxSizerFlags().Centre().Border(wxALL, FromDIP(Gap)));
    m_counts.load(m_file.loadFishCounts());
    ShowCounts();
    SetSizerAndFit(top);
    CentreOnParent();

    Bind(wxEVT_TIMER, &FishDialog::OnTimer, this, SaveTimerId);
    Bind(wxEVT_BUTTON, &FishDialog::OnAdd, this, AddId);
    Bind(wxEVT_BUTTON, &FishDialog::OnDelete, this, DeleteId);
    Bind(wxEVT_BUTTON, &FishDialog::OnRandom, this, RandomId);
    Bind(wxEVT_BUTTON, &FishDialog::OnClear, this, ClearId);
    for (const wxEventTypeTag<wxMouseEvent>& type :
         {wxEVT_LEFT_DOWN, wxEVT_LEFT_DCLICK, wxEVT_RIGHT_DCLICK}) {
        m_picture->Bind(type, &FishDialog::OnPictureMouse, this);
        Bind(type, &FishDialog::OnDialogMouse, this);
    }
    Bind(wxEVT_CHAR_HOOK, &FishDialog::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, &FishDialog::OnClose, this);
    m_timer.Start(SaveIntervalMs);
}

void FishDialog::ShowCounts() {
    m_total->SetLabel(m_counts.totalText());
    m_picture->Refresh();
    Layout();
}

void FishDialog::Save() {
    m_file.saveFishCounts(m_counts.counts());
    m_tank.applyFishCounts(m_counts.counts());
}

void FishDialog::Finish(int returnCode) {
    m_timer.Stop();
    Save();
    if (IsModal())
        EndModal(returnCode);
    else
        Hide();
}

void FishDialog::Select(const wxPoint& picturePoint) {
    const int before = m_counts.selection();
    m_counts.clickAt(picturePoint.x, picturePoint.y);
    if (m_counts.selection() != before)
        m_picture->Refresh();
}

void FishDialog::OnTimer(wxTimerEvent&) {
    Save();
}

void FishDialog::OnAdd(wxCommandEvent&) {
    if (m_counts.add())
        ShowCounts();
}

void FishDialog::OnDelete(wxCommandEvent&) {
    if (m_counts.remove())
        ShowCounts();
}

void FishDialog::OnRandom(wxCommandEvent&) {
    m_counts.randomise(m_random);
    ShowCounts();
}

void FishDialog::OnClear(wxCommandEvent&) {
    m_counts.clear();
    ShowCounts();
}

void FishDialog::OnPictureMouse(wxMouseEvent& event) {
    const wxPoint point = m_picture->pictureCoordinates(event.GetPosition());
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_LEFT_DOWN) {
        Select(point);
    } else if (type == wxEVT_LEFT_DCLICK) {
        if (m_counts.add())
            ShowCounts();
    } else if (type == wxEVT_RIGHT_DCLICK) {
        if (m_counts.remove())
            ShowCounts();
    }
    event.Skip();
}

// Clicks on the dialog around the picture count as clicks on the picture's plane, as below the grid.
void FishDialog::OnDialogMouse(wxMouseEvent& event) {
    wxMouseEvent onPicture(event);
    onPicture.SetPosition(m_picture->ScreenToClient(ClientToScreen(event.GetPosition())));
    OnPictureMouse(onPicture);
    event.Skip();
}

// The letter keys act wherever the focus is; Esc and Enter end the dialog as its hidden Cancel and OK
// would, keeping the counts, and Enter on a button or the link presses that instead.
void FishDialog::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    const bool plain = !event.HasAnyModifiers() || event.GetModifiers() == wxMOD_SHIFT;
    if (plain && key >= 'A' && key <= 'Z' && m_counts.pressKey(static_cast<char>(key), m_random)) {
        ShowCounts();
        return;
    }
    if (key == WXK_ESCAPE) {
        Finish(wxID_CANCEL);
        return;
    }
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && !dynamic_cast<GradientButton*>(FindFocus()) &&
        !dynamic_cast<LinkStatic*>(FindFocus())) {
        Finish(wxID_OK);
        return;
    }
    event.Skip();
}

void FishDialog::OnClose(wxCloseEvent&) {
    Finish(wxID_CANCEL);
}

} // namespace quillmere
