#include "ui/background_dialog/background_dialog.h"

#include "ui/artwork/ui_artwork.h"
#include "ui/controls/gradient_button.h"
#include "ui/controls/list_row_clicks.h"
#include "ui/controls/skin_check_box.h"
#include "ui/path_text.h"

#include <wx/filedlg.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>
#include <wx/valtext.h>

namespace quillmere {

namespace {

enum ControlId {
    ID_OWN_IMAGE = 1014,
    ID_PICTURE_LIST = 1015,
    ID_INTERVAL = 1019,
    ID_ADD_IMAGE = 1008,
    ID_REMOVE_IMAGE = 1011,
    ID_REMOVE_ALL = 1012,
};

constexpr int PathColumn = 0;
constexpr int StateColumn = 1;

} // namespace

BackgroundDialog::BackgroundDialog(wxWindow* parent, TankLink& tank, Random& random, SettingsFile& file)
    : HideAndSaveDialog(parent, "Custom Background - Quillmere 1.2"), m_show(tank, random), m_tank(tank),
      m_file(file), m_timer(this) {
    BuildControls();

    Bind(wxEVT_CHECKBOX, &BackgroundDialog::OnOwnImage, this, ID_OWN_IMAGE);
    Bind(wxEVT_TEXT, &BackgroundDialog::OnInterval, this, ID_INTERVAL);
    Bind(wxEVT_BUTTON, &BackgroundDialog::OnAddImage, this, ID_ADD_IMAGE);
    Bind(wxEVT_BUTTON, &BackgroundDialog::OnRemoveImage, this, ID_REMOVE_IMAGE);
    Bind(wxEVT_BUTTON, &BackgroundDialog::OnRemoveAll, this, ID_REMOVE_ALL);
    Bind(wxEVT_TIMER, &BackgroundDialog::OnTimer, this);
    m_list->Bind(wxEVT_SIZE, &BackgroundDialog::OnListSize, this);
    bindRowClicks(*m_list, [this](long row) { OnRowClicked(static_cast<int>(row)); });

    m_show.restore(m_file.loadImageList());
    ShowModel();
    m_timer.Start(SlideshowTickMs);
}

void BackgroundDialog::BuildControls() {
    m_ownImage = new SkinCheckBox(this, ID_OWN_IMAGE, "Use your own image");
    m_ownImage->setIcons(uiArtwork(IconCheckOn), uiArtwork(IconCheckOff));

    m_list = new wxListCtrl(this, ID_PICTURE_LIST, wxDefaultPosition, wxDefaultSize,
                            wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES);
    TintList(*m_list);
    m_list->InsertColumn(PathColumn, "Backgrounds Directory", wxLIST_FORMAT_LEFT, FromDIP(320));
    // Wide enough for its heading and "OFF" at any font size.
    const int stateWidth = std::max(FromDIP(50), m_list->GetTextExtent("State").x + FromDIP(24));
    m_list->InsertColumn(StateColumn, "State", wxLIST_FORMAT_LEFT, stateWidth);
    m_list->SetMinSize(wxSize(FromDIP(320) + stateWidth + FromDIP(4), FromDIP(200)));

    m_modes.emplace(this, [this](PlayMode mode) { OnMode(mode); });
    auto* modes = new wxBoxSizer(wxHORIZONTAL);
    m_modes->addTo(*modes, wxSizerFlags().CentreVertical().Border(wxRIGHT));
    modes->AddStretchSpacer();
    modes->Add(new wxStaticText(this, wxID_ANY, "Interval"), wxSizerFlags().CentreVertical().Border(wxRIGHT));
    m_interval = new wxTextCtrl(this, ID_INTERVAL, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0,
                                wxTextValidator(wxFILTER_DIGITS));
    m_interval->SetMaxLength(6);
    m_interval->SetInitialSize(m_interval->GetSizeFromText("000000"));
    modes->Add(m_interval, wxSizerFlags().CentreVertical());
    modes->Add(new wxStaticText(this, wxID_ANY, "S"), wxSizerFlags().CentreVertical().Border(wxLEFT));

    m_addImage = new GradientButton(this, ID_ADD_IMAGE, "Add Image");
    m_addImage->setTooltip("Add Aquarium Background");
    m_removeImage = new GradientButton(this, ID_REMOVE_IMAGE, "Remove Image");
    m_removeImage->setTooltip("Remove Aquarium Background");
    m_removeAll = new GradientButton(this, ID_REMOVE_ALL, "Remove All");
    m_removeAll->setTooltip("Remove All Aquarium Backgrounds");
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    for (GradientButton* button : {m_addImage, m_removeImage, m_removeAll})
        buttons->Add(button, wxSizerFlags(1).Expand().Border(button == m_removeAll ? 0 : wxRIGHT));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(m_ownImage, wxSizerFlags().Border(wxALL));
    top->Add(m_list, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT));
    top->Add(modes, wxSizerFlags().Expand().Border(wxALL));
    top->Add(buttons, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM));
    // A margin around everything, as wide as the gaps between the groups are at their widest.
    auto* margin = new wxBoxSizer(wxVERTICAL);
    margin->Add(top, wxSizerFlags(1).Expand().Border(wxALL));
    SetSizerAndFit(margin);
}

// Brings every control in line with the model after any change it reports.
void BackgroundDialog::ShowModel() {
    if (m_show.revision() == m_shownRevision)
        return;
    m_shownRevision = m_show.revision();
    ShowRows();
    m_ownImage->setCheck(m_show.ownImageChecked());
    m_modes->show(m_show.mode());
    const wxString interval = wxString::FromUTF8(m_show.interval());
    if (m_interval->GetValue() != interval)
        m_interval->ChangeValue(interval);
}

void BackgroundDialog::ShowRows() {
    const std::vector<SlideshowRow>& rows = m_show.rows();
    bool samePaths = m_list->GetItemCount() == static_cast<int>(rows.size());
    for (std::size_t row = 0; samePaths && row < rows.size(); ++row)
        samePaths = m_list->GetItemText(static_cast<long>(row), PathColumn) == textFromPath(rows[row].path);
    if (!samePaths) {
        m_list->DeleteAllItems();
        for (std::size_t row = 0; row < rows.size(); ++row)
            m_list->InsertItem(static_cast<long>(row), textFromPath(rows[row].path));
    }
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const wxString state = rows[row].on ? "ON" : "OFF";
        if (m_list->GetItemText(static_cast<long>(row), StateColumn) != state)
            m_list->SetItem(static_cast<long>(row), StateColumn, state);
    }
}

// The path column takes whatever width the list has beyond the state column.
void BackgroundDialog::FitPathColumn() {
    const int width = m_list->GetClientSize().x - m_list->GetColumnWidth(StateColumn);
    if (width > FromDIP(100) && width != m_list->GetColumnWidth(PathColumn))
        m_list->SetColumnWidth(PathColumn, width);
}

void BackgroundDialog::SaveState() {
    m_file.saveImageList(m_show.stored());
}

// One box at a time, in order, and only over a running tank. The boxes open after the timer's handler
// has returned, so that their loop keeps this timer going as well as the tank's; a later tick must not
// open a second box on top of the first.
void BackgroundDialog::PostDueMessages() {
    for (std::string& message : m_show.takeMessages())
        m_messages.push_back(std::move(message));
    if (m_messages.empty() || m_showingMessage || m_messagesPosted || !m_tank.tankRunning())
        return;
    m_messagesPosted = true;
    CallAfter(&BackgroundDialog::ShowDueMessages);
}

void BackgroundDialog::ShowDueMessages() {
    m_messagesPosted = false;
    if (m_showingMessage)
        return;
    m_showingMessage = true;
    while (!m_messages.empty()) {
        const std::string message = std::move(m_messages.front());
        m_messages.pop_front();
        ShowMessage(textFromPath(message), wxICON_WARNING);
    }
    m_showingMessage = false;
}

int BackgroundDialog::FirstSelectedRow() const {
    return static_cast<int>(m_list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
}

void BackgroundDialog::OnOwnImage(wxCommandEvent&) {
    m_show.setOwnImage(m_ownImage->getCheck());
    ShowModel();
}

void BackgroundDialog::OnMode(PlayMode mode) {
    m_show.setMode(mode);
    ShowModel();
}

void BackgroundDialog::OnInterval(wxCommandEvent&) {
    m_show.setInterval(m_interval->GetValue().utf8_string());
}

void BackgroundDialog::OnAddImage(wxCommandEvent&) {
    wxFileDialog chooser(this, "Open", wxEmptyString, wxEmptyString, PictureFileWildcard,
                         wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (chooser.ShowModal() != wxID_OK)
        return;
    const std::string path = pathFromText(chooser.GetPath());
    const Slideshow::AddResult result = m_show.addChosenPicture(path);
    ShowModel();
    if (result != Slideshow::AddResult::Added)
        ShowMessage(textFromPath(m_show.refusalMessage(result, path)), wxICON_WARNING);
}

void BackgroundDialog::OnRemoveImage(wxCommandEvent&) {
    m_show.removeSelected(FirstSelectedRow());
    ShowModel();
}

void BackgroundDialog::OnRemoveAll(wxCommandEvent&) {
    m_show.removeAll();
    ShowModel();
}

void BackgroundDialog::OnRowClicked(int row) {
    m_show.clickRow(row);
    ShowModel();
}

void BackgroundDialog::OnListSize(wxSizeEvent& event) {
    event.Skip();
    FitPathColumn();
}

void BackgroundDialog::OnTimer(wxTimerEvent&) {
    m_show.onTimer();
    ShowModel();
    PostDueMessages();
}

} // namespace quillmere
