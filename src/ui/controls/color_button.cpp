#include "ui/controls/color_button.h"

#include "ui/controls/wx_colour.h"

#include <wx/dcbuffer.h>
#include <wx/renderer.h>

namespace quillmere {

ColorButton::ColorButton(wxWindow* parent, wxWindowID id, ColorRef colour)
    : wxControl(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE),
      m_colour(colour) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetInitialSize();
    Bind(wxEVT_PAINT, &ColorButton::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &ColorButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &ColorButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &ColorButton::OnLeftUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &ColorButton::OnCaptureLost, this);
    Bind(wxEVT_KEY_DOWN, &ColorButton::OnKeyDown, this);
    Bind(wxEVT_KEY_UP, &ColorButton::OnKeyUp, this);
    Bind(wxEVT_SET_FOCUS, &ColorButton::OnFocusChange, this);
    Bind(wxEVT_KILL_FOCUS, &ColorButton::OnFocusChange, this);
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

void ColorButton::OnLeftDown(wxMouseEvent&) {
    if (!IsEnabled())
        return;
    SetFocus();
    if (!HasCapture())
        CaptureMouse();
    m_mouseDown = true;
}

void ColorButton::OnLeftUp(wxMouseEvent& event) {
    if (HasCapture())
        ReleaseMouse();
    if (!m_mouseDown)
        return;
    m_mouseDown = false;
    if (wxRect(GetClientSize()).Contains(event.GetPosition()))
        click();
}

void ColorButton::OnCaptureLost(wxMouseCaptureLostEvent&) {
    m_mouseDown = false;
}

void ColorButton::OnKeyDown(wxKeyEvent& event) {
    switch (event.GetKeyCode()) {
    case WXK_SPACE:
        m_spaceDown = true;
        break;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        click();
        break;
    default:
        event.Skip();
    }
}

void ColorButton::OnKeyUp(wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_SPACE || !m_spaceDown) {
        event.Skip();
        return;
    }
    m_spaceDown = false;
    click();
}

void ColorButton::OnFocusChange(wxFocusEvent& event) {
    m_spaceDown = false;
    Refresh();
    event.Skip();
}

} // namespace quillmere
