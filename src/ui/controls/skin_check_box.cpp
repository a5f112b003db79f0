#include "ui/controls/skin_check_box.h"

namespace quillmere {

SkinCheckBox::SkinCheckBox(wxWindow* parent, wxWindowID id, const wxString& label, long style)
    : wxControl(parent, id, wxDefaultPosition, wxDefaultSize, style | wxBORDER_NONE) {
    SetLabel(label);
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
    Refresh();
}

wxSize SkinCheckBox::DoGetBestClientSize() const {
    return FromDIP(wxSize(100, 23));
}

} // namespace quillmere
