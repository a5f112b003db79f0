#include "ui/controls/gradient_button.h"

#include "ui/controls/embossed_text.h"
#include "ui/controls/shown_background.h"
#include "ui/controls/wx_colour.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>
#include <wx/toplevel.h>

#include <algorithm>

namespace quillmere {

namespace {

constexpr int Shades = 64;
// The text moves right of centre by this much to leave room for the icon, on a button without one too,
// so that a label stands in the same place whether or not its icon loaded.
constexpr int TextShift = 16;

// The inner frames, COLORREF byte order: orange under the pointer, light blue with the focus alone.
constexpr ColorRef HoverLeft = 0x58C4FA;
constexpr ColorRef HoverRight = 0x6ACAFB;
constexpr ColorRef HoverTop = 0x79D2FC;
constexpr ColorRef HoverBottom = 0x0097E5;
constexpr ColorRef FocusLeft = 0xFCC699;
constexpr ColorRef FocusRight = 0xFCBDA2;
constexpr ColorRef FocusTopBottom = 0xFFC9A2;

// Shade i (0 at the top, 63 at the bottom) of the face. "Active" is focused, pressed or default.
wxColour faceShade(int i, bool hover, bool active) {
    const int grey = 205 - i / (hover ? 4 : 3);
    const int blue = 205 - i / (hover ? (active ? 3 : 5) : (active ? 4 : 5));
    return {static_cast<unsigned char>(grey), static_cast<unsigned char>(grey),
            static_cast<unsigned char>(blue)};
}

int systemEdge(wxSystemMetric metric, const wxWindow* window) {
    const int edge = wxSystemSettings::GetMetric(metric, window);
    return edge > 0 ? edge : window->FromDIP(2);
}

} // namespace

GradientButton::GradientButton(wxWindow* parent, wxWindowID id, const wxString& label)
    : PressableControl(parent, id, 0, ShowsPress | EnterClicks) {
    SetLabel(label);
    SetInitialSize();
    Bind(wxEVT_PAINT, &GradientButton::OnPaint, this);
}

void GradientButton::setIcons(const wxBitmapBundle& normal, const wxBitmapBundle& hot) {
    m_normalIcon = normal;
    m_hotIcon = hot;
    InvalidateBestSize();
    SetInitialSize();
    Refresh();
}

void GradientButton::setTooltip(const wxString& text, bool activate) {
    if (activate)
        SetToolTip(text);
    else
        UnsetToolTip();
}

void GradientButton::SetLabel(const wxString& label) {
    wxControl::SetLabel(label);
    InvalidateBestSize();
    Refresh();
}

wxSize GradientButton::DoGetBestClientSize() const {
    const wxSize text = GetTextExtent(GetLabel());
    const wxSize icon = m_normalIcon.IsOk() ? m_normalIcon.GetPreferredLogicalSizeFor(this) : wxSize();
    // The text sits TextShift right of centre with or without an icon, so both sides keep that room.
    const int width = text.x + 2 * FromDIP(TextShift) + icon.x + FromDIP(24);
    const int height = std::max(text.y, icon.y) + FromDIP(10);
    return {std::max(width, FromDIP(75)), std::max(height, FromDIP(25))};
}

bool GradientButton::isDefault() const {
    const auto* top =
        dynamic_cast<const wxTopLevelWindow*>(wxGetTopLevelParent(const_cast<GradientButton*>(this)));
    return top && top->GetDefaultItem() == this;
}

void GradientButton::OnPaint(wxPaintEvent&) {
    // Drawn into an off-screen bitmap and copied in one piece.
    wxBufferedPaintDC dc(this);
    const wxRect client(GetClientSize());
    const bool enabled = IsThisEnabled();
    const bool focused = HasFocus();
    const bool hover = isHover() && enabled;
    const bool active = focused || isPressed() || isDefault();

    const wxColour parentBackground = shownBackground(*this);
    dc.SetBrush(parentBackground);
    dc.SetPen(parentBackground);
    dc.DrawRectangle(client);

    wxRect face = client;
    face.Deflate(systemEdge(wxSYS_EDGE_X, this), systemEdge(wxSYS_EDGE_Y, this));
    if (face.height > 0) {
        for (int row = 0; row < face.height; ++row) {
            dc.SetPen(faceShade(row * (Shades - 1) / face.height, hover, active));
            dc.DrawLine(face.x, face.y + row, face.x + face.width, face.y + row);
        }
    }

    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.SetPen(*wxBLACK_PEN);
    dc.DrawRoundedRectangle(client, FromDIP(5) / 2.0);

    if (hover || focused) {
        const int side = FromDIP(3);
        const int edge = FromDIP(2);
        const bool orange = hover || !focused;
        const auto band = [&dc](ColorRef colour, const wxRect& rect) {
            dc.SetBrush(toWxColour(colour));
            dc.SetPen(*wxTRANSPARENT_PEN);
            dc.DrawRectangle(rect);
        };
        band(orange ? HoverLeft : FocusLeft, wxRect(face.x, face.y, side, face.height));
        band(orange ? HoverRight : FocusRight, wxRect(face.GetRight() + 1 - side, face.y, side, face.height));
        band(orange ? HoverTop : FocusTopBottom, wxRect(face.x, face.y, face.width, edge));
        band(orange ? HoverBottom : FocusTopBottom,
             wxRect(face.x, face.GetBottom() + 1 - edge, face.width, edge));
    }

    const int pressed = isPressed() ? FromDIP(1) : 0;
    const wxString label = GetLabel();
    const bool hasIcon = m_normalIcon.IsOk() && m_hotIcon.IsOk();

    if (hasIcon) {
        wxBitmap icon = (hover || focused ? m_normalIcon : m_hotIcon).GetBitmapFor(this);
        if (!enabled)
            icon = icon.ConvertToDisabled();
        const wxSize size = icon.GetLogicalSize();
        const int x = label.empty() ? face.x + (face.width - size.x) / 2 : face.x;
        const int y = face.y + (face.height - size.y) / 2 + FromDIP(2);
        dc.DrawBitmap(icon, x + pressed, y + pressed, true);
    }

    if (!label.empty()) {
        dc.SetFont(GetFont());
        dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
        wxRect textRect = face;
        textRect.Offset(FromDIP(TextShift) + pressed, pressed);
        const int alignment = wxALIGN_CENTRE_HORIZONTAL | wxALIGN_CENTRE_VERTICAL;
        if (enabled) {
            dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
            dc.DrawLabel(label, textRect, alignment);
        } else {
            drawEmbossedLabel(dc, label, textRect, alignment);
        }
    }
}

void GradientButton::click() {
    wxCommandEvent event(wxEVT_BUTTON, GetId());
    event.SetEventObject(this);
    ProcessWindowEvent(event);
}

} // namespace quillmere
