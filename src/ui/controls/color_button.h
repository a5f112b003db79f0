#pragma once

#include "core/color_ref.h"
#include "ui/controls/pressable_control.h"

namespace quillmere {

// A button that shows one colour: its whole face in that colour inside a 1-pixel white frame. A click,
// Space or Enter sends wxEVT_BUTTON with the control's id to the parent; what the colour means is the
// dialog's business.
class ColorButton : public PressableControl {
public:
    // Colour at construction: red, COLORREF byte order.
    static constexpr ColorRef DefaultColour = 0x0000FF;

    ColorButton(wxWindow* parent, wxWindowID id, ColorRef colour = DefaultColour);

    // Sets the shown colour and repaints.
    void setColour(ColorRef colour);
    ColorRef getColour() const { return m_colour; }

protected:
    wxSize DoGetBestClientSize() const override;

private:
    // Sends wxEVT_BUTTON.
    void click() override;
    void OnPaint(wxPaintEvent& event);

    ColorRef m_colour;
};

} // namespace quillmere
