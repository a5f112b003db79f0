#include "ui/settings_dialog/aquarium_settings_dialog.h"

#include "core/color_ref.h"
#include "core/project_address.h"
#include "settings/settings_file.h"
#include "ui/artwork/ui_artwork.h"
#include "ui/controls/color_button.h"
#include "ui/controls/link_static.h"
#include "ui/controls/skin_check_box.h"
#include "ui/controls/skin_slider.h"
#include "ui/controls/wx_colour.h"

#include <wx/checkbox.h>
#include <wx/colordlg.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace quillmere {

namespace {

enum ControlId {
    BubbleSliderId = 1009,
    SoundSliderId = 1010,
    FogSliderId = 1011,
    FixColourId = 1013,
    FrontColourId = 1015,
    AutoGradualColourId = 1022,
    LockForegroundId = 1028,
    LightSliderId = 1030,
    AutoViewsId = 1040,
    LeftRightSliderId = 1041,
    NearFarSliderId = 1042,
    LinkId = 1037,
};

constexpr int SaveTimerId = 1;
constexpr int SaveIntervalMs = 100;

// The mode buttons' round indicators.
constexpr ColorRef ModeChecked = 65280;
constexpr ColorRef ModeUnchecked = 0;

constexpr std::array<int, 4> PreviewBitmaps{BitmapBackdropPreview0, BitmapBackdropPreview1,
                                            BitmapBackdropPreview2, BitmapBackdropPreview3};

constexpr int Gap = 8; // logical pixels between controls

} // namespace

AquariumSettingsDialog::AquariumSettingsDialog(wxWindow* parent, TankLink& tank, SettingsFile& file)
    : wxDialog(parent, wxID_ANY, "Aquarium Settings - Quillmere 1.2", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxSTAY_ON_TOP),
      m_form(tank, file), m_timer(this, SaveTimerId) {
    // Made in reading order, which is the order Tab follows. The sliders stretch to the height of the
    // column of groups and the preview beside them.
    wxSizer* sliders = CreateSliderColumns();
    auto* rightColumn = new wxBoxSizer(wxVERTICAL);
    rightColumn->Add(CreateLightColourGroup(), wxSizerFlags().Expand());
    rightColumn->Add(CreateViewsGroup(), wxSizerFlags().Expand().Border(wxTOP, FromDIP(Gap)));
    rightColumn->Add(CreatePreview(), wxSizerFlags().Centre().Border(wxTOP, FromDIP(Gap * 2)));

    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    columns->Add(sliders, wxSizerFlags().Expand());
    columns->Add(rightColumn, wxSizerFlags(1).Expand().Border(wxLEFT, FromDIP(Gap * 3)));

    auto* link = new LinkStatic(this, LinkId, wxString(ProjectWebAddress.data(), ProjectWebAddress.size()));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(columns, wxSizerFlags(1).Expand().Border(wxALL, FromDIP(Gap * 2)));
    top->Add(link, wxSizerFlags().Centre().Border(wxLEFT | wxRIGHT | wxBOTTOM, FromDIP(Gap * 2)));
    m_form.open();
    ShowForm();
    SetSizerAndFit(top);
    CentreOnParent();

    Bind(wxEVT_TIMER, &AquariumSettingsDialog::OnTimer, this, SaveTimerId);
    Bind(wxEVT_SLIDER, &AquariumSettingsDialog::OnVerticalSlider, this, BubbleSliderId, FogSliderId);
    Bind(wxEVT_SLIDER, &AquariumSettingsDialog::OnVerticalSlider, this, LightSliderId);
    Bind(wxEVT_SLIDER, &AquariumSettingsDialog::OnViewSlider, this, LeftRightSliderId, NearFarSliderId);
    Bind(wxEVT_CHECKBOX, &AquariumSettingsDialog::OnModeButton, this, FixColourId);
    Bind(wxEVT_CHECKBOX, &AquariumSettingsDialog::OnModeButton, this, AutoGradualColourId);
    Bind(wxEVT_CHECKBOX, &AquariumSettingsDialog::OnLockButton, this, LockForegroundId);
    Bind(wxEVT_BUTTON, &AquariumSettingsDialog::OnColourButton, this, FrontColourId);
    Bind(wxEVT_CHAR_HOOK, &AquariumSettingsDialog::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, &AquariumSettingsDialog::OnClose, this);
    m_timer.Start(SaveIntervalMs);
}

// Four vertical sliders, each under its label, their minimum at the top.
wxSizer* AquariumSettingsDialog::CreateSliderColumns() {
    struct Column {
        SkinSlider** slider;
        int id;
        const char* label;
        ValueRange range;
    };
    const Column columns[] = {
        {&m_soundSlider, SoundSliderId, "Waves \nSound", rangeOf(&AquariumSettings::volume)},
        {&m_bubbleSlider, BubbleSliderId, "Bubble \nCount", rangeOf(&AquariumSettings::bubbleSetting)},
        {&m_fogSlider, FogSliderId, "Fog", rangeOf(&AquariumSettings::fog)},
        {&m_lightSlider, LightSliderId, "Light", rangeOf(&AquariumSettings::light)},
    };
    auto* grid = new wxFlexGridSizer(2, 4, FromDIP(Gap / 2), FromDIP(Gap * 2));
    grid->AddGrowableRow(1, 1);
    for (const Column& column : columns) {
        auto* label = new wxStaticText(this, wxID_ANY, column.label, wxDefaultPosition, wxDefaultSize,
                                       wxALIGN_CENTRE_HORIZONTAL);
        grid->Add(label, wxSizerFlags().CentreHorizontal().Bottom());
    }
    for (const Column& column : columns) {
        *column.slider = new SkinSlider(this, column.id, column.range.min, column.range.min, column.range.max,
                                        wxSL_VERTICAL);
        (*column.slider)->SetMinSize(FromDIP(wxSize(36, 200)));
        grid->Add(*column.slider, wxSizerFlags().CentreHorizontal().Expand());
    }
    // Keys and the wheel move the long "Sound" range in steps a person can see.
    m_soundSlider->SetLineSize(655);
    m_soundSlider->SetPageSize(6554);
    m_bubbleSlider->SetLineSize(10);
    m_bubbleSlider->SetPageSize(100);
    return grid;
}

wxSizer* AquariumSettingsDialog::CreateLightColourGroup() {
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, "Color of light");
    wxStaticBox* box = group->GetStaticBox();

    m_fixColour = new SkinCheckBox(box, FixColourId, "Fix Color");
    m_frontColour = new ColorButton(box, FrontColourId);
    m_frontColour->SetMinSize(FromDIP(wxSize(48, 22)));
    m_frontColour->SetToolTip("Choose the fixed colour");
    m_autoGradualColour = new SkinCheckBox(box, AutoGradualColourId, "Auto Gradually Color");
    m_lockForeground = new SkinCheckBox(box, LockForegroundId, "Lock the foreground colors");
    for (SkinCheckBox* mode : {m_fixColour, m_autoGradualColour})
        mode->setColours(ModeChecked, ModeUnchecked);
    m_lockForeground->setIcons(uiArtwork(IconCheckOn), uiArtwork(IconCheckOff));

    auto* fixedRow = new wxBoxSizer(wxHORIZONTAL);
    fixedRow->Add(m_fixColour, wxSizerFlags(1).CentreVertical());
    fixedRow->Add(m_frontColour, wxSizerFlags().CentreVertical().Border(wxLEFT, FromDIP(Gap)));

    const wxSizerFlags row = wxSizerFlags().Expand().Border(wxALL, FromDIP(Gap / 2));
    group->Add(fixedRow, row);
    group->Add(m_autoGradualColour, row);
    group->Add(m_lockForeground, row);
    return group;
}

wxSizer* AquariumSettingsDialog::CreateViewsGroup() {
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, "views of the tank");
    wxStaticBox* box = group->GetStaticBox();

    m_autoViews = new wxCheckBox(box, AutoViewsId, "Auto change views of the tank");
    constexpr ValueRange LeftRight = rangeOf(&AquariumSettings::viewLeftRight);
    constexpr ValueRange NearFar = rangeOf(&AquariumSettings::viewNearFar);
    m_leftRight = new wxSlider(box, LeftRightSliderId, LeftRight.max / 2, LeftRight.min, LeftRight.max);
    m_nearFar = new wxSlider(box, NearFarSliderId, NearFar.max / 2, NearFar.min, NearFar.max);
    m_leftRight->SetMinSize(FromDIP(wxSize(180, -1)));
    m_leftRight->SetPageSize(700);
    m_nearFar->SetPageSize(200);

    auto* sliders = new wxFlexGridSizer(2, 3, FromDIP(Gap / 2), FromDIP(Gap));
    sliders->AddGrowableCol(1, 1);
    const auto addRow = [&](const char* minLabel, wxSlider* slider, const char* maxLabel) {
        sliders->Add(new wxStaticText(box, wxID_ANY, minLabel), wxSizerFlags().CentreVertical().Right());
        sliders->Add(slider, wxSizerFlags().Expand().CentreVertical());
        sliders->Add(new wxStaticText(box, wxID_ANY, maxLabel), wxSizerFlags().CentreVertical());
    };
    addRow("Left", m_leftRight, "Right");
    addRow("Far", m_nearFar, "Near");

    group->Add(m_autoViews, wxSizerFlags().Border(wxALL, FromDIP(Gap / 2)));
    group->Add(sliders, wxSizerFlags().Expand().Border(wxALL, FromDIP(Gap / 2)));
    return group;
}

// The built-in backdrop's four previews lie on top of each other in one place, all shown until the
// form says which one the current backdrop has.
wxSizer* AquariumSettingsDialog::CreatePreview() {
    auto* place = new wxWindow(this, wxID_ANY);
    place->DisableFocusFromKeyboard();
    wxSize size;
    for (std::size_t index = 0; index < m_previews.size(); ++index) {
        m_previews[index] = new wxStaticBitmap(place, wxID_ANY, uiArtwork(PreviewBitmaps[index]));
        size.IncTo(m_previews[index]->GetBestSize());
    }
    place->SetMinSize(size);
    auto* previews = new wxBoxSizer(wxVERTICAL);
    previews->Add(place, wxSizerFlags().Centre());
    return previews;
}

void AquariumSettingsDialog::ShowForm() {
    const VerticalSliders vertical = m_form.verticalSliders();
    m_soundSlider->SetValue(vertical.volume);
    m_bubbleSlider->SetValue(vertical.bubbles);
    m_fogSlider->SetValue(vertical.fog);
    m_lightSlider->SetValue(vertical.light);
    ShowModes();
    m_frontColour->setColour(m_form.colour(ColourSlot::Front));
    m_lockForeground->setCheck(m_form.flag(FormFlag::LockFront));
    m_autoViews->SetValue(m_form.autoViews());
    const CameraValues views = m_form.viewSliders();
    m_leftRight->SetValue(views.liveLeftRight);
    m_nearFar->SetValue(views.liveNearFar);

    PreviewsShown before{};
    for (std::size_t index = 0; index < m_previews.size(); ++index)
        before[index] = m_previews[index]->IsShown();
    const PreviewsShown shown = m_form.shownPreviews(before);
    for (std::size_t index = 0; index < m_previews.size(); ++index)
        m_previews[index]->Show(shown[index]);
}

void AquariumSettingsDialog::ShowModes() {
    const ColourMode mode = m_form.mode(ColourGroup::Light);
    m_fixColour->setCheck(mode == ColourMode::Fixed);
    m_autoGradualColour->setCheck(mode == ColourMode::AutoGradual);
}

void AquariumSettingsDialog::Finish(int returnCode) {
    m_timer.Stop();
    m_form.close(m_autoViews->GetValue());
    if (IsModal())
        EndModal(returnCode);
    else
        Hide();
}

void AquariumSettingsDialog::OnTimer(wxTimerEvent&) {
    if (const std::optional<CameraValues> camera = m_form.tick(m_autoViews->GetValue())) {
        m_leftRight->SetValue(camera->liveLeftRight);
        m_nearFar->SetValue(camera->liveNearFar);
    }
}

void AquariumSettingsDialog::OnVerticalSlider(wxCommandEvent&) {
    m_form.verticalSlidersMoved({m_soundSlider->GetValue(), m_bubbleSlider->GetValue(),
                                 m_fogSlider->GetValue(), m_lightSlider->GetValue()});
}

void AquariumSettingsDialog::OnViewSlider(wxCommandEvent&) {
    m_form.viewSlidersMoved({m_leftRight->GetValue(), m_nearFar->GetValue()});
}

// The box has already toggled itself; the group decides which one is checked, so a click on the one
// already checked leaves it checked.
void AquariumSettingsDialog::OnModeButton(wxCommandEvent& event) {
    m_form.selectMode(ColourGroup::Light,
                      event.GetId() == FixColourId ? ColourMode::Fixed : ColourMode::AutoGradual);
    ShowModes();
}

void AquariumSettingsDialog::OnLockButton(wxCommandEvent&) {
    m_form.setFlag(FormFlag::LockFront, m_lockForeground->getCheck());
}

void AquariumSettingsDialog::OnColourButton(wxCommandEvent&) {
    wxColourData data;
    data.SetColour(*wxBLACK);
    wxColourDialog chooser(this, &data);
    if (chooser.ShowModal() != wxID_OK)
        return;
    const wxColour chosen = chooser.GetColourData().GetColour();
    m_form.chooseColour(ColourSlot::Front, colorRefFromRgb({chosen.Red(), chosen.Green(), chosen.Blue()}));
    m_frontColour->setColour(m_form.colour(ColourSlot::Front));
    ShowModes();
}

// Esc and Enter end the dialog as its hidden Cancel and OK would, keeping every change; Enter on a
// button or the link presses that instead.
void AquariumSettingsDialog::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (key == WXK_ESCAPE) {
        Finish(wxID_CANCEL);
        return;
    }
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && !dynamic_cast<ColorButton*>(FindFocus()) &&
        !dynamic_cast<LinkStatic*>(FindFocus())) {
        Finish(wxID_OK);
        return;
    }
    event.Skip();
}

void AquariumSettingsDialog::OnClose(wxCloseEvent&) {
    Finish(wxID_CANCEL);
}

} // namespace quillmere
