#include "ui/controls/gradient_button.h"

namespace quillmere {

GradientButton::GradientButton(wxWindow* parent, wxWindowID id, const wxString& label)
    : wxControl(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE) {
    SetLabel(label);
}

void GradientButton::setIcons(const wxBitmapBundle& normal, const wxBitmapBundle& hot) {
    m_normalIcon = normal;
    m_hotIcon = hot;
    Refresh();
}

void GradientButton::setTooltip(const wxString& text, bool activate) {
    if (activate)
        SetToolTip(text);
    else
        UnsetToolTip();
}

wxSize GradientButton::DoGetBestClientSize() const {
    return FromDIP(wxSize(90, 26));
}

} // namespace quillmere
