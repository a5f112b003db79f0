#include "ui/controls/color_button.h"

#include "ui/controls/wx_colour.h"

#include <wx/dcbuffer.h>
#include <wx/renderer.h>

namespace quillmere {

// The face shows neither hover nor a held press, so the pointer is not followed.
ColorButton::ColorButton(wxWindow* parent, wxWindowID id, ColorRef colour)
    : PressableControl(parent, id, 0, EnterClicks), m_colour(colour) {
    SetInitialSize();
    Bind(wxEVT_PAINT, &ColorButton::OnPaint, this);
}

void ColorButton::setColour(ColorRef colour) {
    m_colour = colour;
    Refresh();
}

wxSize ColorButton::DoGetBestClientSize() const {
    return FromDIP(wxSize(40, 20));
}

void ColorButton::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    const wxRect client(GetClientSize());
    dc.SetBrush(toWxColour(m_colour));
    dc.SetPen(*wxWHITE_PEN);
    dc.DrawRectangle(client);
    // The face says nothing about the focus, so keyboard users get the usual dotted frame inside it.
    if (HasFocus())
        wxRendererNative::Get().DrawFocusRect(this, dc, wxRect(client).Deflate(FromDIP(3)));
}

void ColorButton::click() {
    wxCommandEvent event(wxEVT_BUTTON, GetId());
    event.SetEventObject(this);
    ProcessWindowEvent(event);
}

} // namespace quillmere
