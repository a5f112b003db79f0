#pragma once

#include "ui/colorref.h"

#include <wx/control.h>

namespace quillmere {

// A button that shows one colour: its whole face in that colour inside a 1-pixel white frame. A click,
// Space or Enter sends wxEVT_BUTTON with the control's id to the parent; what the colour means is the
// dialog's business.
class ColorButton : public wxControl {
public:
    // Colour at construction: red, COLORREF byte order.
    static constexpr ColorRef DefaultColour = 0x0000FF;

    ColorButton(wxWindow* parent, wxWindowID id, ColorRef colour = DefaultColour);

    // Sets the shown colour and repaints.
    void setColour(ColorRef colour);
    ColorRef getColour() const { return m_colour; }

    bool AcceptsFocus() const override { return true; }

protected:
    wxSize DoGetBestClientSize() const override;

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void OnFocusChange(wxFocusEvent& event);
    void click();

    ColorRef m_colour;
    bool m_mouseDown = false;
    bool m_spaceDown = false;
};

} // namespace quillmere
