#include "ui/controls/color_button.h"

namespace quillmere {

ColorButton::ColorButton(wxWindow* parent, wxWindowID id, ColorRef colour)
    : wxControl(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE), m_colour(colour) {}

void ColorButton::setColour(ColorRef colour) {
    m_colour = colour;
    Refresh();
}

wxSize ColorButton::DoGetBestClientSize() const {
    return FromDIP(wxSize(40, 20));
}

} // namespace quillmere
