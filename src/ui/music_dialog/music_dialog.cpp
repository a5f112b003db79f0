#include "ui/music_dialog/music_dialog.h"

#include "ui/artwork/ui_artwork.h"
#include "ui/controls/list_row_clicks.h"
#include "ui/controls/skin_check_box.h"
#include "ui/controls/skin_slider.h"
#include "ui/controls/tinted_list.h"
#include "ui/music_dialog/music_dialog_rules.h"
#include "ui/path_text.h"

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

namespace quillmere {

namespace {

enum ControlId {
    ID_ON_OFF = 1011,
    ID_MUSIC_LIST = 1016,
    ID_ADD_MUSIC = 1017,
    ID_REMOVE = 1018,
    ID_REMOVE_ALL = 1019,
    ID_PLAY = 1021,
    ID_STOP = 1022,
    ID_VOLUME = 1007,
};

// The player's timer: it tells the tank whether the custom music is on and notices the end of a track.
constexpr int PlayerTimerMs = 200;

} // namespace

MusicDialog::MusicDialog(wxWindow* parent, TankLink& tank, const AudioDevice& device, Random& random,
                         SettingsFile& file, int volume)
    : HideAndSaveDialog(parent, "Custom Music - Quillmere 1.2"), m_stream(device),
      m_player(m_stream, random, volume), m_tank(tank), m_file(file), m_timer(this) {
    BuildControls(volume);

    Bind(wxEVT_CHECKBOX, &MusicDialog::OnOnOff, this, ID_ON_OFF);
    Bind(wxEVT_BUTTON, &MusicDialog::OnAddMusic, this, ID_ADD_MUSIC);
    Bind(wxEVT_BUTTON, &MusicDialog::OnRemove, this, ID_REMOVE);
    Bind(wxEVT_BUTTON, &MusicDialog::OnRemoveAll, this, ID_REMOVE_ALL);
    Bind(wxEVT_BUTTON, &MusicDialog::OnPlay, this, ID_PLAY);
    Bind(wxEVT_BUTTON, &MusicDialog::OnStop, this, ID_STOP);
    Bind(wxEVT_SLIDER, &MusicDialog::OnVolume, this, ID_VOLUME);
    Bind(wxEVT_LIST_ITEM_SELECTED, &MusicDialog::OnRowSelected, this, ID_MUSIC_LIST);
    Bind(wxEVT_LIST_ITEM_DESELECTED, &MusicDialog::OnRowDeselected, this, ID_MUSIC_LIST);
    bindRowClicks(*m_list, [this](long) { OnRowClicked(); });
    Bind(wxEVT_TIMER, &MusicDialog::OnTimer, this);
    m_list->Bind(wxEVT_SIZE, &MusicDialog::OnListSize, this);

    m_player.restore(m_file.loadMusicList());
    ShowModel();
    m_timer.Start(PlayerTimerMs);
}

void MusicDialog::BuildControls(int volume) {
    auto* ownMusic = new wxStaticBoxSizer(wxHORIZONTAL, this, "Use your own music");
    m_onOff = new SkinCheckBox(ownMusic->GetStaticBox(), ID_ON_OFF, "On/Off");
    m_onOff->setIcons(uiArtwork(IconCheckOn), uiArtwork(IconCheckOff));
    ownMusic->Add(m_onOff, wxSizerFlags(1).CentreVertical().Border(wxALL));
    // The box is only as wide as what it holds; its label must fit too.
    ownMusic->SetMinSize(
        wxSize(ownMusic->GetStaticBox()->GetTextExtent("Use your own music").x + FromDIP(24), -1));

    auto* modes = new wxStaticBoxSizer(wxHORIZONTAL, this, "Play Modes");
    m_modes.emplace(modes->GetStaticBox(), [this](PlayMode mode) { OnMode(mode); });
    m_modes->addTo(*modes, wxSizerFlags(1).CentreVertical().Border(wxALL));

    auto* boxes = new wxBoxSizer(wxHORIZONTAL);
    boxes->Add(ownMusic, wxSizerFlags().Expand().Border(wxRIGHT));
    boxes->Add(modes, wxSizerFlags(1).Expand());

    m_list = new TintedList(this, ID_MUSIC_LIST, wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES);
    TintList(*m_list);
    m_list->InsertColumn(0, "Music List", wxLIST_FORMAT_LEFT, FromDIP(500));
    m_list->SetMinSize(FromDIP(wxSize(504, 220)));

    m_addMusic = new wxButton(this, ID_ADD_MUSIC, "Add Music");
    m_remove = new wxButton(this, ID_REMOVE, "Remove");
    m_removeAll = new wxButton(this, ID_REMOVE_ALL, "Remove All");
    m_play = new wxButton(this, ID_PLAY, "Play");
    m_stop = new wxButton(this, ID_STOP, "Stop");
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(m_addMusic, wxSizerFlags().Border(wxRIGHT));
    buttons->Add(m_remove, wxSizerFlags().Border(wxRIGHT));
    buttons->Add(m_removeAll);
    buttons->AddStretchSpacer();
    buttons->Add(m_play, wxSizerFlags().Border(wxRIGHT));
    buttons->Add(m_stop);

    auto* volumeBox = new wxStaticBoxSizer(wxHORIZONTAL, this, "Volume");
    m_volume = new SkinSlider(volumeBox->GetStaticBox(), ID_VOLUME, volume, 0, MaxMusicVolume);
    m_volume->SetPageSize(100);
    m_volume->SetLineSize(10);
    volumeBox->Add(m_volume, wxSizerFlags(1).Expand().Border(wxALL));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(boxes, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP));
    top->Add(m_list, wxSizerFlags(1).Expand().Border(wxALL));
    top->Add(buttons, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT));
    top->Add(volumeBox, wxSizerFlags().Expand().Border(wxALL));
    // A margin around everything, as wide as the gaps between the groups are at their widest.
    auto* margin = new wxBoxSizer(wxVERTICAL);
    margin->Add(top, wxSizerFlags(1).Expand().Border(wxALL));
    SetSizerAndFit(margin);
}

// Brings every control in line with the player after any change it reports.
void MusicDialog::ShowModel() {
    if (m_player.revision() == m_shownRevision)
        return;
    m_shownRevision = m_player.revision();
    ShowRows();
    m_onOff->setCheck(m_player.onOff());
    m_modes->show(m_player.mode());
    const MusicButtons buttons = musicButtons(m_player);
    m_addMusic->Enable(buttons.addMusic);
    m_remove->Enable(buttons.remove);
    m_removeAll->Enable(buttons.removeAll);
    m_play->Enable(buttons.play);
    m_stop->Enable(buttons.stop);
}

// Rows appended since the last call are added on their own, so a long list grows at the cost of its
// new rows; only a removal rebuilds it.
void MusicDialog::ShowRows() {
    const MusicListModel& rows = m_player.list();
    m_showingSelection = true;
    if (rows.layoutRevision() != m_shownLayout || rows.rowCount() < m_shownRows) {
        m_list->DeleteAllItems();
        m_shownRows = 0;
        m_shownLayout = rows.layoutRevision();
        m_shownSelection = rows.selectionRevision() - 1;
    }
    for (int row = m_shownRows; row < rows.rowCount(); ++row)
        m_list->InsertItem(row, textFromPath(rows.path(row)));
    m_shownRows = rows.rowCount();
    if (rows.selectionRevision() != m_shownSelection) {
        m_shownSelection = rows.selectionRevision();
        for (int row = 0; row < rows.rowCount(); ++row) {
            const bool selected = rows.isSelected(row);
            if ((m_list->GetItemState(row, wxLIST_STATE_SELECTED) != 0) != selected)
                m_list->SetItemState(row, selected ? wxLIST_STATE_SELECTED : 0, wxLIST_STATE_SELECTED);
        }
    }
    m_showingSelection = false;
    m_list->setPlayingRow(rows.highlightRow());
}

// The player's selection follows the list's, which the user changes.
void MusicDialog::TakeSelection() {
    for (int row = 0; row < m_list->GetItemCount(); ++row)
        m_player.setRowSelected(row, m_list->GetItemState(row, wxLIST_STATE_SELECTED) != 0);
}

void MusicDialog::SaveState() {
    m_file.saveMusicList(m_player.stored());
}

void MusicDialog::OnOnOff(wxCommandEvent&) {
    m_player.setOnOff(m_onOff->getCheck());
    ShowModel();
}

void MusicDialog::OnMode(PlayMode mode) {
    m_player.setMode(mode);
    ShowModel();
}

void MusicDialog::OnAddMusic(wxCommandEvent&) {
    wxFileDialog chooser(this, "Open", wxEmptyString, wxEmptyString, MusicFileWildcard,
                         wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (chooser.ShowModal() != wxID_OK)
        return;
    const std::string message = addMusicFile(m_player, pathFromText(chooser.GetPath()));
    ShowModel();
    if (!message.empty())
        ShowMessage(wxString::FromUTF8(message), wxICON_WARNING);
}

void MusicDialog::OnRemove(wxCommandEvent&) {
    TakeSelection();
    const std::string message = removeSelectedMusic(m_player);
    ShowModel();
    if (!message.empty())
        ShowMessage(wxString::FromUTF8(message), wxICON_INFORMATION);
}

void MusicDialog::OnRemoveAll(wxCommandEvent&) {
    m_player.removeAll();
    ShowModel();
}

void MusicDialog::OnPlay(wxCommandEvent&) {
    TakeSelection();
    m_player.play();
    ShowModel();
}

void MusicDialog::OnStop(wxCommandEvent&) {
    m_player.stop();
    ShowModel();
}

void MusicDialog::OnVolume(wxCommandEvent&) {
    m_player.setVolume(m_volume->GetValue());
}

// The selection follows the list's, by mouse or by keys; only a click or Enter opens a row.
void MusicDialog::OnRowSelected(wxListEvent&) {
    if (m_showingSelection)
        return;
    TakeSelection();
}

// A row the user clicks opens at once, again if it is the open one, and plays at once while music plays.
void MusicDialog::OnRowClicked() {
    TakeSelection();
    m_player.clickList();
    ShowModel();
}

void MusicDialog::OnRowDeselected(wxListEvent&) {
    if (m_showingSelection)
        return;
    TakeSelection();
}

// The one column spans the list.
void MusicDialog::OnListSize(wxSizeEvent& event) {
    event.Skip();
    const int width = m_list->GetClientSize().x;
    if (width > FromDIP(100) && width != m_list->GetColumnWidth(0))
        m_list->SetColumnWidth(0, width);
}

void MusicDialog::OnTimer(wxTimerEvent&) {
    m_tank.setOwnMusicOn(m_player.onOff());
    m_player.onTimer();
    ShowModel();
}

} // namespace quillmere
