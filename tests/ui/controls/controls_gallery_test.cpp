// The gallery: every skinned control in its states in one window on the virtual X server. Pixels are read
// back from the screen and input goes through the X server, so the checks see what a person would.
#include "screen_pixels.h"
#include "ui/controls/color_button.h"
#include "ui/controls/gradient_button.h"
#include "ui/controls/link_static.h"
#include "ui/controls/skin_check_box.h"
#include "ui/controls/skin_slider.h"
#include "ui/controls/tinted_list.h"
#include "ui/controls/wx_colour.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stdpaths.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <functional>
#include <optional>
#include <vector>

namespace quillmere {
namespace {

using test::ScreenPixels;

constexpr int DeadlineMs = 15000; // generous: CI runs on two busy cores

bool waitFor(const std::function<bool()>& condition) {
    const wxLongLong end = wxGetLocalTimeMillis() + DeadlineMs;
    while (true) {
        wxTheApp->Yield(true);
        if (condition())
            return true;
        if (wxGetLocalTimeMillis() > end)
            return false;
        wxMilliSleep(15);
    }
}

wxString describe(const wxColour& colour) {
    return wxString::Format("(%d, %d, %d)", colour.Red(), colour.Green(), colour.Blue());
}

wxColour systemColour(wxSystemColour which) {
    // Compared with what the screen shows, so any alpha the theme gives is dropped.
    const wxColour colour = wxSystemSettings::GetColour(which);
    return {colour.Red(), colour.Green(), colour.Blue()};
}

// Every event the gallery's controls send, in order.
struct Received {
    wxEventType type;
    int id;
    int value;
};

class Gallery : public wxFrame {
public:
    enum Id {
        CheckedBox = wxID_HIGHEST + 1,
        UncheckedBox,
        DisabledBox,
        RightBox,
        IconBox,
        Colour,
        HoverButton,
        FocusButton,
        DisabledButton,
        HorizontalSlider,
        TopSlider,
        VerticalSlider,
        Link,
        List,
    };

    Gallery() : wxFrame(nullptr, wxID_ANY, "Controls gallery", wxPoint(0, 0), wxSize(900, 620)) {
        m_panel = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
        auto* rows = new wxBoxSizer(wxVERTICAL);

        auto* boxes = new wxBoxSizer(wxHORIZONTAL);
        checked = add<SkinCheckBox>(boxes, CheckedBox, "Show Water");
        checked->setCheck(true);
        unchecked = add<SkinCheckBox>(boxes, UncheckedBox, "Show Lights");
        disabled = add<SkinCheckBox>(boxes, DisabledBox, "Show Terra");
        disabled->Disable();
        right = add<SkinCheckBox>(boxes, RightBox, "Lock", SkinCheckBox::IndicatorRight | wxALIGN_RIGHT);
        right->setColours(0xFF0000, 0x000000);
        right->setCheck(true);
        icons = add<SkinCheckBox>(boxes, IconBox, "Own image");
        icons->setIcons(square(*wxBLUE), square(*wxLIGHT_GREY));
        rows->Add(boxes, 0, wxALL, 10);

        auto* buttons = new wxBoxSizer(wxHORIZONTAL);
        colour = new ColorButton(m_panel, Colour, 0x00FFFF);
        buttons->Add(colour, 0, wxALL, 5);
        hoverButton = add<GradientButton>(buttons, HoverButton, "Add");
        focusButton = add<GradientButton>(buttons, FocusButton, "Delete");
        focusButton->setIcons(square(*wxRED), square(*wxGREEN));
        focusButton->setTooltip("Delete the chosen fish");
        disabledButton = add<GradientButton>(buttons, DisabledButton, "Remove All");
        disabledButton->Disable();
        rows->Add(buttons, 0, wxALL, 10);

        auto* sliders = new wxBoxSizer(wxHORIZONTAL);
        horizontal = new SkinSlider(m_panel, HorizontalSlider, 5, 0, 10);
        sliders->Add(horizontal, 0, wxALL, 5);
        horizontal->SetMinSize(wxSize(200, -1));
        top = new SkinSlider(m_panel, TopSlider, 0, 0, 1000, wxSL_HORIZONTAL | wxSL_TOP);
        sliders->Add(top, 0, wxALL, 5);
        vertical = new SkinSlider(m_panel, VerticalSlider, 0, 0, 25, wxSL_VERTICAL);
        sliders->Add(vertical, 0, wxALL, 5);
        rows->Add(sliders, 0, wxALL, 10);

        link = new LinkStatic(m_panel, Link, "", "https://quillmere.org");
        rows->Add(link, 0, wxALL, 10);
        list = new TintedList(m_panel, List, wxLC_SINGLE_SEL);
        list->AppendColumn("Music", wxLIST_FORMAT_LEFT, 300);
        for (const char* name : {"tide.mp3", "reef.wav", "current.mpeg"})
            list->InsertItem(list->GetItemCount(), name);
        list->setPlayingRow(1);
        rows->Add(list, 1, wxALL | wxEXPAND, 10);

        m_panel->SetSizer(rows);

        for (const wxEventType type : std::initializer_list<wxEventType>{
                 wxEVT_CHECKBOX, wxEVT_BUTTON, wxEVT_SLIDER, wxEVT_SCROLL_LINEUP, wxEVT_SCROLL_LINEDOWN,
                 wxEVT_SCROLL_PAGEUP, wxEVT_SCROLL_PAGEDOWN, wxEVT_SCROLL_TOP, wxEVT_SCROLL_BOTTOM,
                 wxEVT_SCROLL_THUMBTRACK, wxEVT_SCROLL_THUMBRELEASE, wxEVT_SCROLL_CHANGED})
            m_panel->Bind(wxEventTypeTag<wxCommandEvent>(type), [this](wxCommandEvent& event) {
                received.push_back({event.GetEventType(), event.GetId(), event.GetInt()});
            });
    }

    std::vector<Received> ofType(wxEventType type) const {
        std::vector<Received> found;
        for (const Received& event : received)
            if (event.type == type)
                found.push_back(event);
        return found;
    }

    SkinCheckBox* checked;
    SkinCheckBox* unchecked;
    SkinCheckBox* disabled;
    SkinCheckBox* right;
    SkinCheckBox* icons;
    ColorButton* colour;
    GradientButton* hoverButton;
    GradientButton* focusButton;
    GradientButton* disabledButton;
    SkinSlider* horizontal;
    SkinSlider* top;
    SkinSlider* vertical;
    LinkStatic* link;
    TintedList* list;
    std::vector<Received> received;

private:
    template <typename Control, typename... Args> Control* add(wxSizer* sizer, Args&&... args) {
        auto* control = new Control(m_panel, std::forward<Args>(args)...);
        sizer->Add(control, 0, wxALL, 5);
        return control;
    }

    static wxBitmapBundle square(const wxColour& colour) {
        wxBitmap bitmap(16, 16);
        wxMemoryDC dc(bitmap);
        dc.SetBackground(colour);
        dc.Clear();
        dc.SelectObject(wxNullBitmap);
        return wxBitmapBundle(bitmap);
    }

    wxPanel* m_panel;
};

class ControlsGallery : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_gallery = new Gallery; // a top-level window: wx deletes it after Destroy()
        s_gallery->Show();
        s_gallery->Raise();
        ASSERT_TRUE(waitFor([] { return s_gallery->IsShownOnScreen(); }));
    }

    static void TearDownTestSuite() {
        if (const char* path = wxGetenv("QUILLMERE_GALLERY_SHOT"))
            s_pixels->grab(s_gallery->GetScreenRect()).SaveFile(path, wxBITMAP_TYPE_PNG);
        s_gallery->Destroy();
        wxTheApp->Yield(true);
    }

    void SetUp() override {
        ASSERT_TRUE(s_pixels->ok());
        gallery().received.clear();
        // Park the pointer away from every control.
        pointerTo(gallery().GetScreenRect().GetBottomRight() - wxPoint(20, 20));
        gallery().list->SetFocus();
    }

    static Gallery& gallery() { return *s_gallery; }

    static void pointerTo(wxPoint screen) {
        wxUIActionSimulator simulator;
        simulator.MouseMove(screen);
        wxTheApp->Yield(true);
    }

    static wxPoint onScreen(const wxWindow* window, wxPoint client) { return window->ClientToScreen(client); }

    // Waits until the pixel shows the colour; on failure says what it showed instead.
    static testing::AssertionResult shows(const wxWindow* window, wxPoint client, const wxColour& expected) {
        wxColour seen;
        if (waitFor([&] {
                seen = s_pixels->at(onScreen(window, client));
                return seen == expected;
            }))
            return testing::AssertionSuccess();
        return testing::AssertionFailure()
               << "pixel " << client.x << "," << client.y << " of " << window->GetLabel() << " is "
               << describe(seen) << ", not " << describe(expected);
    }

    // Pixels of a colour within a window's client rect (or part of it).
    static int count(const wxWindow* window, const wxColour& colour, std::optional<wxRect> part = {}) {
        const wxRect rect = part.value_or(wxRect(window->GetClientSize()));
        const wxImage image = s_pixels->grab(wxRect(onScreen(window, rect.GetTopLeft()), rect.GetSize()));
        int found = 0;
        for (int y = 0; y < image.GetHeight(); ++y)
            for (int x = 0; x < image.GetWidth(); ++x)
                found += image.GetRed(x, y) == colour.Red() && image.GetGreen(x, y) == colour.Green() &&
                         image.GetBlue(x, y) == colour.Blue();
        return found;
    }

    static void click(wxWindow* window, wxPoint client) {
        pointerTo(onScreen(window, client));
        wxUIActionSimulator simulator;
        simulator.MouseClick();
        wxTheApp->Yield(true);
    }

    static void key(int keyCode) {
        wxUIActionSimulator simulator;
        simulator.Char(keyCode);
        wxTheApp->Yield(true);
    }

    static void focus(wxWindow* window) {
        // Keys go to the window under the pointer when no window manager runs, so the pointer rests on the
        // gallery's empty corner.
        window->SetFocus();
        ASSERT_TRUE(waitFor([window] { return window->HasFocus(); }));
    }

    static Gallery* s_gallery;
    static std::unique_ptr<ScreenPixels> s_pixels;
};

Gallery* ControlsGallery::s_gallery = nullptr;
std::unique_ptr<ScreenPixels> ControlsGallery::s_pixels = std::make_unique<ScreenPixels>();

// The round indicator's centre: 15 pixels across, 3 in from its side, its top 2 below centre.
wxPoint indicatorCentre(const SkinCheckBox* box, bool atRight) {
    const wxSize client = box->GetClientSize();
    const int x = atRight ? client.x - 3 - 15 + 7 : 3 + 7;
    return {x, (client.y - 15) / 2 + 2 + 7};
}

TEST_F(ControlsGallery, CheckBoxIndicatorsShowTheirStateColours) {
    struct Case {
        SkinCheckBox* box;
        bool atRight;
        wxColour fill;
    };
    Gallery& g = gallery();
    for (const Case& c :
         {Case{g.checked, false, wxColour(0, 255, 0)}, Case{g.unchecked, false, wxColour(0, 127, 0)},
          Case{g.disabled, false, systemColour(wxSYS_COLOUR_BTNSHADOW)},
          Case{g.right, true, toWxColour(0xFF0000)}})
        EXPECT_TRUE(shows(c.box, indicatorCentre(c.box, c.atRight), c.fill)) << c.box->GetLabel();

    // Disabling repaints at once: the indicator turns grey, and back when enabled again.
    g.checked->Disable();
    EXPECT_TRUE(shows(g.checked, indicatorCentre(g.checked, false), systemColour(wxSYS_COLOUR_BTNSHADOW)));
    g.checked->Enable();
    EXPECT_TRUE(shows(g.checked, indicatorCentre(g.checked, false), wxColour(0, 255, 0)));

    // The icon pair replaces the circle: the checked icon shows once checked.
    EXPECT_TRUE(shows(g.icons, indicatorCentre(g.icons, false), *wxLIGHT_GREY));
    g.icons->setCheck(true);
    EXPECT_TRUE(shows(g.icons, indicatorCentre(g.icons, false), *wxBLUE));
    g.icons->setCheck(false);
}

TEST_F(ControlsGallery, DisabledTextIsEmbossed) {
    const wxColour highlight = systemColour(wxSYS_COLOUR_BTNHIGHLIGHT);
    const wxColour shadow = systemColour(wxSYS_COLOUR_BTNSHADOW);
    ASSERT_NE(highlight, systemColour(wxSYS_COLOUR_BTNFACE)) << "the theme's highlight would not show";
    Gallery& g = gallery();
    // The text area only: right of the indicator on the check box, the whole face of the button.
    const wxSize box = g.disabled->GetClientSize();
    const wxRect boxText(3 + 15 + 3, 3, box.x - 24, box.y - 6);
    EXPECT_TRUE(waitFor(
        [&] { return count(g.disabled, highlight, boxText) > 5 && count(g.disabled, shadow, boxText) > 5; }));
    const wxSize button = g.disabledButton->GetClientSize();
    const wxRect buttonFace(4, 4, button.x - 8, button.y - 8);
    EXPECT_TRUE(waitFor([&] {
        return count(g.disabledButton, highlight, buttonFace) > 5 &&
               count(g.disabledButton, shadow, buttonFace) > 5;
    }));
}

TEST_F(ControlsGallery, CheckBoxClickedTwiceReturnsToItsStateAndSendsTwoCommands) {
    Gallery& g = gallery();
    const bool before = g.unchecked->getCheck();
    const wxPoint middle =
        wxRect(g.unchecked->GetClientSize()).GetPosition() + g.unchecked->GetClientSize() / 2;
    click(g.unchecked, middle);
    ASSERT_TRUE(waitFor([&] { return g.ofType(wxEVT_CHECKBOX).size() == 1; }));
    EXPECT_NE(g.unchecked->getCheck(), before);
    EXPECT_TRUE(shows(g.unchecked, indicatorCentre(g.unchecked, false), wxColour(0, 255, 0)));
    click(g.unchecked, middle);
    ASSERT_TRUE(waitFor([&] { return g.ofType(wxEVT_CHECKBOX).size() == 2; }));
    EXPECT_EQ(g.unchecked->getCheck(), before);
    const auto commands = g.ofType(wxEVT_CHECKBOX);
    EXPECT_EQ(commands[0].id, Gallery::UncheckedBox);
    EXPECT_EQ(commands[0].value, before ? 0 : 1); // the handler sees the new state
    EXPECT_EQ(commands[1].value, before ? 1 : 0);
}

TEST_F(ControlsGallery, SpaceTogglesTheFocusedCheckBoxAndAClickOnADisabledOneDoesNothing) {
    Gallery& g = gallery();
    focus(g.checked);
    key(WXK_SPACE);
    ASSERT_TRUE(waitFor([&] { return g.ofType(wxEVT_CHECKBOX).size() == 1; }));
    EXPECT_FALSE(g.checked->getCheck());
    g.checked->setCheck(true);

    click(g.disabled, wxPoint(10, 10));
    wxTheApp->Yield(true);
    EXPECT_FALSE(g.disabled->getCheck());
    EXPECT_EQ(g.ofType(wxEVT_CHECKBOX).size(), 1u);
}

TEST_F(ControlsGallery, GradientButtonIsOrangeUnderThePointerAndBlueWithTheFocusAlone) {
    Gallery& g = gallery();
    const wxColour orangeLeft = toWxColour(0x58C4FA);
    const wxColour blueLeft = toWxColour(0xFCC699);
    // The left band of the inner frame, just inside the system edge and above where an icon starts.
    const auto leftBand = [](const GradientButton*) { return wxPoint(3, 5); };

    pointerTo(onScreen(g.hoverButton, leftBand(g.hoverButton) + wxPoint(20, 0)));
    EXPECT_TRUE(shows(g.hoverButton, leftBand(g.hoverButton), orangeLeft));
    EXPECT_TRUE(shows(g.hoverButton, wxPoint(g.hoverButton->GetClientSize().x / 2, 3), toWxColour(0x79D2FC)));

    focus(g.focusButton);
    pointerTo(gallery().GetScreenRect().GetBottomRight() - wxPoint(20, 20));
    EXPECT_TRUE(shows(g.focusButton, leftBand(g.focusButton), blueLeft));
    // The pointer has left the first button: its frame is gone and the face's grey shows again.
    wxColour seen;
    EXPECT_TRUE(waitFor([&] {
        seen = s_pixels->at(onScreen(g.hoverButton, leftBand(g.hoverButton)));
        return seen.Red() == seen.Green() && seen.Red() > 150;
    })) << describe(seen);

    // Under the pointer the focused button turns orange too.
    pointerTo(onScreen(g.focusButton, leftBand(g.focusButton) + wxPoint(20, 0)));
    EXPECT_TRUE(shows(g.focusButton, leftBand(g.focusButton), orangeLeft));
}

TEST_F(ControlsGallery, ButtonTextStandsSixteenPixelsRightOfCentreWithOrWithoutAnIcon) {
    Gallery& g = gallery();
    for (const GradientButton* button : {g.hoverButton, g.focusButton}) {
        // Inside the outline: the face's shades, the icon and the frames are all lighter than the text.
        const wxSize client = button->GetClientSize();
        const wxRect inner(4, 4, client.x - 8, client.y - 8);
        int first = -1;
        int last = -1;
        EXPECT_TRUE(waitFor([&] {
            const wxImage image =
                s_pixels->grab(wxRect(onScreen(button, inner.GetTopLeft()), inner.GetSize()));
            first = last = -1;
            for (int x = 0; x < image.GetWidth(); ++x)
                for (int y = 0; y < image.GetHeight(); ++y)
                    if (image.GetRed(x, y) < 100 && image.GetGreen(x, y) < 100 && image.GetBlue(x, y) < 100) {
                        first = first < 0 ? x : first;
                        last = x;
                    }
            return first >= 0;
        })) << button->GetLabel();
        const double textCentre = inner.x + (first + last + 1) / 2.0;
        EXPECT_NEAR(textCentre, client.x / 2.0 + 16, 2.0) << button->GetLabel();
    }
}

TEST_F(ControlsGallery, ButtonsAnswerTheKeysAndTheMouse) {
    Gallery& g = gallery();
    focus(g.focusButton);
    key(WXK_RETURN);
    key(WXK_SPACE);
    focus(g.colour);
    key(WXK_SPACE);
    click(g.hoverButton, wxPoint(10, 10));
    click(g.disabledButton, wxPoint(10, 10));
    ASSERT_TRUE(waitFor([&] { return g.ofType(wxEVT_BUTTON).size() >= 4; }));
    wxTheApp->Yield(true);
    const auto buttons = g.ofType(wxEVT_BUTTON);
    ASSERT_EQ(buttons.size(), 4u);
    EXPECT_EQ(buttons[0].id, Gallery::FocusButton);
    EXPECT_EQ(buttons[1].id, Gallery::FocusButton);
    EXPECT_EQ(buttons[2].id, Gallery::Colour);
    EXPECT_EQ(buttons[3].id, Gallery::HoverButton);
}

TEST_F(ControlsGallery, ColourButtonIsItsColourInAWhiteFrame) {
    Gallery& g = gallery();
    const wxSize size = g.colour->GetClientSize();
    EXPECT_TRUE(shows(g.colour, wxPoint(size.x / 2, size.y / 2), wxColour(255, 255, 0)));
    EXPECT_TRUE(shows(g.colour, wxPoint(0, size.y / 2), *wxWHITE));
    g.colour->setColour(0x8B1A55);
    EXPECT_TRUE(shows(g.colour, wxPoint(size.x / 2, size.y / 2), wxColour(0x55, 0x1A, 0x8B)));
    EXPECT_EQ(g.colour->getColour(), 0x8B1A55);
}

TEST_F(ControlsGallery, SliderEndMarksAreWhiteAtTheMinimumAndGreenAtTheMaximum) {
    struct Case {
        SkinSlider* slider;
        wxPoint minCentre;
        wxPoint maxCentre;
    };
    Gallery& g = gallery();
    const wxSize h = g.horizontal->GetClientSize();
    const wxSize t = g.top->GetClientSize();
    const wxSize v = g.vertical->GetClientSize();
    for (const Case& c :
         {Case{g.horizontal, {3, 3}, {h.x - 4, 3}}, Case{g.top, {3, t.y - 4}, {t.x - 4, t.y - 4}},
          Case{g.vertical, {3, 3}, {3, v.y - 4}}}) {
        EXPECT_TRUE(shows(c.slider, c.minCentre, *wxWHITE)) << c.slider->GetId();
        EXPECT_TRUE(shows(c.slider, c.maxCentre, wxColour(0, 255, 0))) << c.slider->GetId();
    }
    // The vertical slider's minimum is at the top: its red thumb sits there.
    EXPECT_TRUE(shows(g.vertical, wxPoint(v.x / 2, 4 + 5), wxColour(255, 0, 0)));
}

TEST_F(ControlsGallery, SliderDrivenByKeysSendsScrollEventsAndStaysInRange) {
    Gallery& g = gallery();
    SkinSlider* slider = g.horizontal;
    slider->SetValue(5);
    focus(slider);
    for (int i = 0; i < 8; ++i)
        key(WXK_RIGHT);
    ASSERT_TRUE(waitFor([&] { return slider->GetValue() == 10; }));
    key(WXK_HOME);
    key(WXK_PAGEDOWN);
    key(WXK_UP);
    key(WXK_END);
    ASSERT_TRUE(waitFor([&] { return g.ofType(wxEVT_SCROLL_BOTTOM).size() == 1; }));
    wxTheApp->Yield(true);

    EXPECT_EQ(g.ofType(wxEVT_SCROLL_LINEDOWN).size(), 5u); // from 5 to 10; no event past the end
    ASSERT_EQ(g.ofType(wxEVT_SCROLL_TOP).size(), 1u);
    EXPECT_EQ(g.ofType(wxEVT_SCROLL_TOP)[0].value, 0);
    ASSERT_EQ(g.ofType(wxEVT_SCROLL_PAGEDOWN).size(), 1u);
    EXPECT_EQ(g.ofType(wxEVT_SCROLL_PAGEDOWN)[0].value, 2); // the page is a fifth of the range
    EXPECT_EQ(g.ofType(wxEVT_SCROLL_LINEUP).size(), 1u);
    EXPECT_EQ(slider->GetValue(), 10);
    EXPECT_FALSE(g.ofType(wxEVT_SCROLL_CHANGED).empty());
    for (const Received& event : g.received) {
        EXPECT_EQ(event.id, Gallery::HorizontalSlider);
        if (event.type != wxEVT_SCROLL_CHANGED) {
            EXPECT_TRUE(event.value >= 0 && event.value <= 10) << event.value;
        }
    }
}

TEST_F(ControlsGallery, SliderFollowsADragAHeldButtonAndTheWheel) {
    Gallery& g = gallery();
    SkinSlider* slider = g.top;
    slider->SetValue(0);
    const wxSize size = slider->GetClientSize();
    const wxPoint thumb(4 + 5, size.y / 2);
    pointerTo(onScreen(slider, thumb));
    wxUIActionSimulator simulator;
    simulator.MouseDown();
    for (int x = thumb.x; x <= size.x + 40; x += 30)
        pointerTo(onScreen(slider, wxPoint(x, thumb.y)));
    simulator.MouseUp();
    ASSERT_TRUE(waitFor([&] { return !g.ofType(wxEVT_SCROLL_THUMBRELEASE).empty(); }));
    EXPECT_EQ(slider->GetValue(), 1000);
    EXPECT_GE(g.ofType(wxEVT_SCROLL_THUMBTRACK).size(), 2u);
    EXPECT_EQ(g.ofType(wxEVT_SLIDER).back().value, 1000);

    // Held beside the thumb, it pages towards the pointer and stops where the thumb reaches it.
    slider->SetValue(0);
    g.received.clear();
    const int travel = size.x - 8 - 11;
    pointerTo(onScreen(slider, wxPoint(4 + travel * 6 / 10 + 5, thumb.y)));
    simulator.MouseDown();
    EXPECT_TRUE(waitFor([&] { return slider->GetValue() == 600; })) << slider->GetValue();
    simulator.MouseUp();
    ASSERT_TRUE(waitFor([&] { return !g.ofType(wxEVT_SCROLL_CHANGED).empty(); }));
    EXPECT_EQ(g.ofType(wxEVT_SCROLL_PAGEDOWN).size(), 3u);
    EXPECT_EQ(slider->GetValue(), 600);

    // The wheel turned down moves a horizontal slider's thumb left.
    g.received.clear();
    simulator.MouseMove(onScreen(slider, wxPoint(size.x / 2, size.y / 2)));
    wxTheApp->Yield(true);
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.m_wheelRotation = -120;
    wheel.m_wheelDelta = 120;
    slider->GetEventHandler()->ProcessEvent(wheel);
    EXPECT_EQ(slider->GetValue(), 599);
    EXPECT_EQ(g.ofType(wxEVT_SCROLL_LINEUP).size(), 1u);
}

TEST_F(ControlsGallery, ListRowsAreTanAndThePlayingRowGreenAlsoAfterChanges) {
    Gallery& g = gallery();
    TintedList* list = g.list;
    const auto rowPoint = [list](long row) {
        wxRect rect;
        list->GetItemRect(row, rect);
        return wxPoint(rect.GetRight() - 10, rect.y + rect.height / 2);
    };
    const wxColour tan = toWxColour(0x82B8C4);
    const wxColour green(0, 255, 0);
    EXPECT_TRUE(shows(list, rowPoint(0), tan));
    EXPECT_TRUE(shows(list, rowPoint(1), green));
    EXPECT_TRUE(shows(list, rowPoint(2), tan));
    EXPECT_GT(count(list, toWxColour(0xFF0000)), 10); // the rows' blue text

    // A row inserted at the top: index 1 is still the playing row, now the row that was first.
    list->InsertItem(0, "lagoon.mp3");
    EXPECT_TRUE(shows(list, rowPoint(0), tan));
    EXPECT_TRUE(shows(list, rowPoint(1), green));
    EXPECT_TRUE(shows(list, rowPoint(3), tan));
    // Deleting the top row moves the rows up under the playing index: the green goes with the index.
    list->DeleteItem(0);
    EXPECT_TRUE(shows(list, rowPoint(0), tan));
    EXPECT_TRUE(shows(list, rowPoint(1), green));
    list->setPlayingRow(-1);
    EXPECT_TRUE(shows(list, rowPoint(1), tan));
    list->setPlayingRow(1);
}

TEST_F(ControlsGallery, LinkShowsTheHighlightUnderThePointerAndTurnsPurpleOnceOpened) {
    Gallery& g = gallery();
    LinkStatic* link = g.link;
    EXPECT_EQ(link->GetLabel(), "https://quillmere.org"); // the empty label took the address
    EXPECT_TRUE(waitFor([&] { return count(link, toWxColour(0xEE0000)) > 10; }));

    pointerTo(onScreen(link, wxPoint(10, link->GetClientSize().y / 2)));
    wxMouseEvent motion(wxEVT_MOTION);
    motion.SetPosition(wxPoint(10, link->GetClientSize().y / 2));
    link->GetEventHandler()->ProcessEvent(motion);
    EXPECT_TRUE(waitFor([&] { return count(link, systemColour(wxSYS_COLOUR_HIGHLIGHT)) > 10; }));

    // A stand-in browser that notes the address it was given.
    const wxString folder = wxFileName::CreateTempFileName("quillmere-link");
    wxRemoveFile(folder);
    wxFileName::Mkdir(folder);
    const wxString opened = folder + "/opened";
    wxFFile script(folder + "/xdg-open", "w");
    script.Write("#!/bin/sh\necho \"$1\" > '" + opened + "'\n");
    script.Close();
    wxExecute("chmod +x " + folder + "/xdg-open", wxEXEC_SYNC);
    wxString path;
    wxGetEnv("PATH", &path);
    wxSetEnv("PATH", folder + ":" + path);

    click(link, wxPoint(10, link->GetClientSize().y / 2));
    EXPECT_TRUE(waitFor([&] { return wxFileExists(opened); }));
    EXPECT_TRUE(link->GetVisited());
    pointerTo(gallery().GetScreenRect().GetBottomRight() - wxPoint(20, 20));
    EXPECT_TRUE(waitFor([&] { return count(link, toWxColour(0x8B1A55)) > 10; }));
    wxSetEnv("PATH", path);
    wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
}

// Answers every modal dialog at once, noting what it said.
class AnsweringHook : public wxModalDialogHook {
public:
    AnsweringHook() { Register(); }
    ~AnsweringHook() override { Unregister(); }
    std::vector<wxString> messages;

protected:
    int Enter(wxDialog* dialog) override {
        const auto* box = dynamic_cast<wxMessageDialogBase*>(dialog);
        messages.push_back(box ? box->GetMessage() : dialog->GetTitle());
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}
};

TEST_F(ControlsGallery, LinkThatCannotOpenSaysWhyAndStaysUnvisited) {
    Gallery& g = gallery();
    auto* link = new LinkStatic(g.GetChildren().front(), wxID_ANY, "Quillmere", "https://quillmere.org/fish");
    link->Move(600, 250);
    ASSERT_TRUE(waitFor([&] { return link->IsShownOnScreen(); }));
    EXPECT_EQ(link->GetURL(), "https://quillmere.org/fish");

    // No opener at all: an empty PATH and no desktop the toolkit could ask instead.
    wxString path;
    wxGetEnv("PATH", &path);
    wxSetEnv("PATH", "");
    AnsweringHook hook;
    click(link, wxPoint(5, link->GetClientSize().y / 2));
    EXPECT_TRUE(waitFor([&] { return !hook.messages.empty(); }));
    wxSetEnv("PATH", path);

    ASSERT_EQ(hook.messages.size(), 1u);
    EXPECT_EQ(hook.messages[0], "Unable to open hyperlink:\n\nThere is no application associated\n"
                                "with web addresses (xdg-open was not found).");
    EXPECT_FALSE(link->GetVisited());
    pointerTo(gallery().GetScreenRect().GetBottomRight() - wxPoint(20, 20));
    EXPECT_TRUE(waitFor([&] { return count(link, toWxColour(0xEE0000)) > 10; }));
    link->Destroy();
}

TEST_F(ControlsGallery, TabMovesTheFocusThroughTheControlsSkippingDisabledOnes) {
    Gallery& g = gallery();
    focus(g.unchecked);
    key(WXK_TAB);
    EXPECT_TRUE(waitFor([&] { return g.right->HasFocus(); })) << "the disabled box takes no focus";
    focus(g.disabledButton->GetPrevSibling());
    key(WXK_TAB);
    EXPECT_TRUE(waitFor([&] { return g.horizontal->HasFocus(); }));
}

} // namespace
} // namespace quillmere

// wx starts without wxApp's main so that GoogleTest keeps the command line and the exit code.
class GalleryApp : public wxApp {
public:
    bool OnInit() override { return true; }
};
wxIMPLEMENT_APP_NO_MAIN(GalleryApp);

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (!wxEntryStart(argc, argv)) {
        fprintf(stderr, "controls_gallery_tests: no display\n");
        return 1;
    }
    wxInitAllImageHandlers();
    wxTheApp->CallOnInit();
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
