#include "ui/controls/skin_check_box.h"

#include "ui/controls/embossed_text.h"
#include "ui/controls/shown_background.h"
#include "ui/controls/wrapped_text.h"
#include "ui/controls/wx_colour.h"

#include <wx/dcbuffer.h>
#include <wx/renderer.h>
#include <wx/settings.h>

#include <algorithm>

namespace quillmere {

namespace {

constexpr int RoundIndicatorSize = 15; // logical pixels
constexpr int TextGap = 3;             // between the indicator and the text
constexpr int FaceInset = 3;           // the face's edge, then the focus rectangle, then the content

int textAlignment(long style) {
    if (style & wxALIGN_RIGHT)
        return wxALIGN_RIGHT;
    if (style & wxALIGN_CENTRE_HORIZONTAL)
        return wxALIGN_CENTRE_HORIZONTAL;
    return wxALIGN_LEFT;
}

} // namespace

SkinCheckBox::SkinCheckBox(wxWindow* parent, wxWindowID id, const wxString& label, long style)
    : PressableControl(parent, id, style, ShowsPress) {
    SetLabel(label);
    SetInitialSize();
    Bind(wxEVT_PAINT, &SkinCheckBox::OnPaint, this);
}

void SkinCheckBox::setCheck(bool checked, bool redraw) {
    m_checked = checked;
    if (redraw)
        Refresh();
}

void SkinCheckBox::setColours(ColorRef checked, ColorRef unchecked) {
    m_checkedColour = checked;
    m_uncheckedColour = unchecked;
    Refresh();
}

void SkinCheckBox::setIcons(const wxBitmapBundle& checked, const wxBitmapBundle& unchecked) {
    m_checkedIcon = checked;
    m_uncheckedIcon = unchecked;
    InvalidateBestSize();
    SetInitialSize();
    Refresh();
}

int SkinCheckBox::indicatorSize() const {
    if (hasIcons())
        return m_checkedIcon.GetPreferredLogicalSizeFor(this).x;
    return FromDIP(RoundIndicatorSize);
}

void SkinCheckBox::SetLabel(const wxString& label) {
    wxControl::SetLabel(label);
    InvalidateBestSize();
    Refresh();
}

wxSize SkinCheckBox::DoGetBestClientSize() const {
    const int indicator = indicatorSize();
    const wxSize text = GetTextExtent(GetLabel());
    const int inset = FromDIP(FaceInset);
    // The indicator's top lies 2 pixels below centre; the extra height keeps it inside the focus frame.
    const int height = std::max(indicator + 2 * inset + FromDIP(2), text.y + 2 * inset);
    return {2 * inset + indicator + FromDIP(TextGap) + text.x + FromDIP(2), height};
}

void SkinCheckBox::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    const wxSize client = GetClientSize();
    wxRect rect(client);
    const bool enabled = IsThisEnabled();

    if (isHover() && enabled) {
        dc.SetBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT));
        dc.SetPen(*wxBLACK_PEN);
        dc.DrawRoundedRectangle(rect, FromDIP(2));
    } else {
        // The button face where the dialog shows it; a theme whose dialogs are lighter than its buttons
        // would otherwise leave a grey box around every check box.
        const wxColour face = shownBackground(*this);
        dc.SetBrush(face);
        dc.SetPen(face);
        dc.DrawRectangle(rect);
    }

    rect.Deflate(FromDIP(2));
    if (HasFocus())
        wxRendererNative::Get().DrawFocusRect(this, dc, rect);
    rect.Deflate(FromDIP(1));

    const int size = indicatorSize();
    const int pressed = isPressed() ? FromDIP(1) : 0;
    const bool right = HasFlag(IndicatorRight);
    const wxPoint indicator(right ? rect.GetRight() + 1 - size : rect.x, (client.y - size) / 2 + FromDIP(2));

    if (hasIcons()) {
        wxBitmap icon = (m_checked ? m_checkedIcon : m_uncheckedIcon).GetBitmapFor(this);
        if (!enabled)
            icon = icon.ConvertToDisabled();
        dc.DrawBitmap(icon, indicator + wxPoint(pressed, pressed), true);
    } else {
        const wxColour fill = !enabled    ? wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)
                              : m_checked ? toWxColour(m_checkedColour)
                                          : toWxColour(m_uncheckedColour);
        const wxRect circle(indicator + wxPoint(pressed, pressed), wxSize(size, size));
        dc.SetBrush(fill);
        dc.SetPen(*wxBLACK_PEN);
        dc.DrawEllipse(circle);
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.SetPen(toWxColour(m_uncheckedColour));
        dc.DrawEllipse(wxRect(circle).Deflate(FromDIP(1)));
    }

    const int gap = FromDIP(TextGap);
    wxRect textRect = rect;
    if (right) {
        textRect.SetRight(indicator.x - gap - 1);
    } else {
        textRect.SetLeft(indicator.x + size + gap);
    }
    textRect.Offset(pressed, pressed);
    if (textRect.width <= 0)
        return;

    dc.SetFont(GetFont());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const wxString text = wrapText(*this, GetLabel(), textRect.width);
    const int alignment = textAlignment(GetWindowStyle()) | wxALIGN_CENTRE_VERTICAL;
    if (enabled) {
        dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
        dc.DrawLabel(text, textRect, alignment);
    } else {
        drawEmbossedLabel(dc, text, textRect, alignment);
    }
}

void SkinCheckBox::click() {
    m_checked = !m_checked;
    Refresh();
    wxCommandEvent event(wxEVT_CHECKBOX, GetId());
    event.SetEventObject(this);
    event.SetInt(m_checked ? 1 : 0);
    ProcessWindowEvent(event);
}

} // namespace quillmere
