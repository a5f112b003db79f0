#include "ui/menu/icon_menu.h"

#include "ui/controls/wx_colour.h"

#include <algorithm>
#include <cmath>
#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/settings.h>
#include <wx/utils.h>

namespace quillmere {

namespace {

constexpr ColorRef StripColour = 0xD1D8DB;
constexpr ColorRef FaceColour = 0xF7F8F9;
constexpr ColorRef SelectedFaceColour = 0xCFB9B1;
constexpr ColorRef OutlineColour = 0x000000;
// The faces are light whatever the desktop's theme, so the text is always black.
constexpr ColorRef TextColour = 0x000000;

} // namespace

IconMenu::IconMenu(wxWindow* owner)
    : wxPopupTransientWindow(owner, wxBORDER_NONE), m_owner(owner),
      m_face(new wxWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE | wxWANTS_CHARS)) {
    SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    m_face->SetFont(GetFont());
    m_face->SetBackgroundStyle(wxBG_STYLE_PAINT);
    // Over the menu, and over the rest of the screen while it holds the pointer, the pointer shows.
    SetCursor(wxCursor(wxCURSOR_ARROW));
    m_face->SetCursor(GetCursor());
    m_face->Bind(wxEVT_PAINT, &IconMenu::OnPaint, this);
    m_face->Bind(wxEVT_MOTION, &IconMenu::OnMotion, this);
    m_face->Bind(wxEVT_LEAVE_WINDOW, &IconMenu::OnLeave, this);
    for (const auto type : {wxEVT_LEFT_DOWN, wxEVT_RIGHT_DOWN, wxEVT_LEFT_DCLICK, wxEVT_RIGHT_DCLICK}) {
        m_face->Bind(type, &IconMenu::OnButtonDown, this);
    }
    m_face->Bind(wxEVT_LEFT_UP, &IconMenu::OnButtonUp, this);
    m_face->Bind(wxEVT_RIGHT_UP, &IconMenu::OnButtonUp, this);
    // Keys go to the popup first, whichever of its windows has the focus.
    Bind(wxEVT_CHAR_HOOK, &IconMenu::OnCharHook, this);
}

void IconMenu::Append(int commandId, const wxBitmapBundle& icon, const wxBitmapBundle& selectedIcon,
                      const wxString& text) {
    m_items.push_back({commandId, icon, selectedIcon, text});
    m_layout.itemCount = static_cast<int>(m_items.size());
    m_layout.itemWidth = std::max(m_layout.itemWidth, IconMenuLayout::widthForText(GetTextExtent(text).x));
    m_selection.count = m_layout.itemCount;
}

void IconMenu::OpenAt(wxPoint screenPoint) {
    m_selection.selected = MenuSelection::None;
    m_lastPointer = wxGetMousePosition();
    m_armed = false;
    const int index = wxDisplay::GetFromPoint(screenPoint);
    const wxDisplay display(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index));
    const wxSize size = m_layout.menuSize();
    SetSize(wxRect(placeMenu(screenPoint, size, display.GetGeometry()), size));
    m_face->SetSize(size);
    Popup(m_face);
    m_face->Refresh();
}

void IconMenu::OnDismiss() {
    m_selection.selected = MenuSelection::None;
}

void IconMenu::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(m_face);
    dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(wxPoint(0, 0), m_layout.menuSize());
    dc.SetFont(m_face->GetFont());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(toWxColour(TextColour));
    for (int index = 0; index < m_layout.itemCount; ++index) {
        DrawItem(dc, index);
    }
}

void IconMenu::DrawItem(wxDC& dc, int index) const {
    const Item& item = m_items[static_cast<std::size_t>(index)];
    const wxRect rect = m_layout.itemRect(index);
    const bool selected = m_selection.selected == index;
    if (selected) {
        dc.SetPen(wxPen(toWxColour(OutlineColour)));
        dc.SetBrush(wxBrush(toWxColour(SelectedFaceColour)));
        dc.DrawRectangle(rect);
    } else {
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(toWxColour(StripColour)));
        dc.DrawRectangle(rect.x, rect.y, IconMenuLayout::StripWidth, rect.height);
        dc.SetBrush(wxBrush(toWxColour(FaceColour)));
        dc.DrawRectangle(rect.x + IconMenuLayout::StripWidth, rect.y, rect.width - IconMenuLayout::StripWidth,
                         rect.height);
    }

    // The selected icon sits a pixel up and left, so the item seems to rise under the pointer.
    const wxBitmapBundle& icon = selected ? item.selectedIcon : item.icon;
    if (icon.IsOk()) {
        const int inset = selected ? IconMenuLayout::IconInset - 1 : IconMenuLayout::IconInset;
        dc.DrawBitmap(IconBitmap(icon), rect.x + inset, rect.y + inset, true);
    }

    const int textHeight = dc.GetTextExtent(item.text).y;
    dc.DrawText(item.text, rect.x + IconMenuLayout::textLeft(), rect.y + (rect.height - textHeight) / 2);
}

// The bundle's bitmap for this screen's pixel density, drawn at 24 x 24 logical pixels.
wxBitmap IconMenu::IconBitmap(const wxBitmapBundle& bundle) const {
    const double scale = GetDPIScaleFactor();
    const int pixels = static_cast<int>(std::lround(IconMenuLayout::IconSize * scale));
    wxBitmap bitmap = bundle.GetBitmap(wxSize(pixels, pixels));
    if (bitmap.IsOk() && bitmap.GetHeight() > 0) {
        bitmap.SetScaleFactor(static_cast<double>(bitmap.GetHeight()) / IconMenuLayout::IconSize);
    }
    return bitmap;
}

// Asked of the pointer itself: while the menu holds the pointer, events from over other windows come
// with those windows' coordinates.
int IconMenu::ItemUnderPointer() const {
    return m_layout.itemAt(m_face->ScreenToClient(wxGetMousePosition()));
}

void IconMenu::Select(int index) {
    if (index != m_selection.selected) {
        m_selection.point(index);
        m_face->Refresh();
    }
}

void IconMenu::Choose(int index) {
    if (index < 0 || index >= m_layout.itemCount) {
        return;
    }
    const int commandId = m_items[static_cast<std::size_t>(index)].commandId;
    DismissAndNotify();
    // Queued, so the command runs (and may open a modal dialog) after the menu has let go of the pointer.
    auto* command = new wxCommandEvent(wxEVT_MENU, commandId);
    command->SetEventObject(m_owner);
    wxQueueEvent(m_owner->GetEventHandler(), command);
}

void IconMenu::OnMotion(wxMouseEvent&) {
    const wxPoint pointer = wxGetMousePosition();
    if (pointer == m_lastPointer) {
        return;
    }
    m_lastPointer = pointer;
    m_armed = true;
    Select(ItemUnderPointer());
}

// Motion outside the menu never reaches the face, so leaving it is where the selection is cleared.
void IconMenu::OnLeave(wxMouseEvent&) {
    Select(ItemUnderPointer());
}

void IconMenu::OnButtonDown(wxMouseEvent&) {
    m_armed = true;
    Select(ItemUnderPointer());
}

void IconMenu::OnButtonUp(wxMouseEvent&) {
    if (m_armed || wxGetMousePosition() != m_lastPointer) {
        Choose(ItemUnderPointer());
    }
}

// Every key ends here, so none reaches the window under the menu: ESC closes the menu only.
void IconMenu::OnCharHook(wxKeyEvent& event) {
    switch (event.GetKeyCode()) {
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
        m_selection.down();
        m_face->Refresh();
        break;
    case WXK_UP:
    case WXK_NUMPAD_UP:
        m_selection.up();
        m_face->Refresh();
        break;
    case WXK_HOME:
    case WXK_NUMPAD_HOME:
        m_selection.first();
        m_face->Refresh();
        break;
    case WXK_END:
    case WXK_NUMPAD_END:
        m_selection.last();
        m_face->Refresh();
        break;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        Choose(m_selection.selected);
        break;
    case WXK_ESCAPE:
        DismissAndNotify();
        break;
    default:
        break;
    }
}

} // namespace quillmere
